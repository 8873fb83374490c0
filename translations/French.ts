<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ConfigListText</name>
    <message>
        <source>Printing Density</source>
        <translation>Densité d&apos;impression</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>Vitesse d&apos;impression</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>Page de codes par défaut</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Police par défaut</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>Mode police double octet</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>Service de l&apos;imprimante</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>position de découpe</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>Bip en fin de rouleau</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>Bip batterie faible</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>Arrêt automatique (non connecté)</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>Économie d&apos;énergie automatique (connecté)</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>Déclencheur MSR</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>Option sentinelle</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit en bauds</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Authentification et chiffrement</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Mode de connexion</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nom de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>Code de début piste 1</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>Code de début piste 2</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>Code de début piste 3</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>Code de fin piste 1</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>Code de fin piste 2</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>Code de fin piste 3</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>Police A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>Police B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>Police C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>Police A(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>Police B(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>Pistes 1/2/3 lecture sur commande</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>Piste 1 lecture automatique</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>Piste 2 lecture automatique</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>Piste 3 lecture automatique</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>Pistes 1/2 lecture automatique</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>Pistes 2/3 lecture automatique</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>Pistes 1/2/3 lecture automatique</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>Déclencheur MSR inutilisé</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>Sentinelle statique</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>Sentinelle dynamique</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>Erreur d&apos;ouverture du port !</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>Erreur d&apos;ouverture du port !!!</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>Le modèle d&apos;imprimante ne correspond pas !</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>Le nom du modèle d&apos;imprimante ne correspond pas...!!</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>Impossible de lire la version de l&apos;imprimante !</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>Impossible de lire la version de l&apos;imprimante !</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>Impossible de rétablir les réglages d&apos;usine !</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>Impossible de lire la page de codes !</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>Impossible de lire le mode MSR !</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>Impossible de lire les données SW1 !</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>Impossible de lire les données SW2 !</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>Impossible de lire les données SW3 !</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>Impossible de lire les données SW5 !</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>Impossible de lire les données SW6 !</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>Impossible de lire les données SW7 !</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>Impossible de lire les données SW8 !</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>Impossible de lire la position de découpe !</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>Impossible de lire les données SW51 !</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>Impossible de lire les données IFSW1 !</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>Impossible de lire les données IFSW2 !</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>Impossible de lire les données IFSW3 !</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>Impossible de lire les données IFSW4 !</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>Impossible de lire le code sentinelle de la piste 1 !</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>Impossible de lire le code sentinelle de la piste 1 !</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>Impossible de lire le code sentinelle de la piste 2 !</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>Impossible de lire le code sentinelle de la piste 2 !</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>Impossible de lire le code sentinelle de la piste 3 !</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>Impossible de lire le code sentinelle de la piste 3 !</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>Impossible de lire l&apos;interface RF !</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>Impossible de lire l&apos;interface RF !</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>Impossible de lire le mode de connexion Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>Impossible de lire le mode de connexion Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>Impossible de lire le nom de l&apos;appareil Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>Impossible de lire le nom de l&apos;appareil Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>Impossible de lire le code PIN Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>Impossible de lire le code PIN Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>Impossible de lire les informations de chiffrement Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>Impossible de lire les informations de chiffrement Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>Impossible de lire la page de codes !</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>Impossible de lire le mode MSR !</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>Impossible de lire les données MSW1 !</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>Impossible de lire les données MSW1 !</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>Impossible de lire les données MSW2 !</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>Impossible de lire les données MSW2 !</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>Impossible de lire les données MSW3 !</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>Impossible de lire les données MSW3 !</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>Impossible de lire les données MSW5 !</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>Impossible de lire les données MSW5 !</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>Impossible de lire les données MSW6 !</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>Impossible de lire les données MSW6 !</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>Impossible de lire les données MSW7 !</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>Impossible de lire les données MSW7 !</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>Impossible de lire les données MSW8 !</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>Impossible de lire les données MSW8 !</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>Impossible de lire les données IFSW1 !</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>Impossible de lire les données IFSW2 !</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>Impossible de lire les données IFSW3 !</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>Impossible de lire les données IFSW4 !</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>Impossible d&apos;envoyer la commande d&apos;initialisation !</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>Impossible d&apos;envoyer la commande de fin de réglage !</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>Impossible d&apos;envoyer la commande de fin de réglage !</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>Impossible d&apos;enregistrer les réglages Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>Impossible d&apos;enregistrer les réglages Bluetooth !</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>Impossible d&apos;envoyer la commande d&apos;initialisation !</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>Impossible d&apos;enregistrer les données MSW1 !</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>Impossible d&apos;enregistrer les données MSW2 !</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>Impossible d&apos;enregistrer les données MSW3 !</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>Impossible d&apos;enregistrer les données MSW5 !</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>Impossible d&apos;enregistrer les données MSW6 !</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>Impossible d&apos;enregistrer les données MSW7 !</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>Impossible d&apos;enregistrer les données MSW8 !</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>Impossible d&apos;enregistrer les données IFSW1 !</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>Impossible d&apos;enregistrer les données SW51 !</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>Impossible d&apos;enregistrer les données IFSW2 !</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>Impossible d&apos;enregistrer les données IFSW3 !</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>Impossible d&apos;enregistrer les données IFSW4 !</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>Impossible de définir le code sentinelle de la piste 1 !</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>Impossible de définir le code sentinelle de la piste 1 !</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>Impossible de définir le code sentinelle de la piste 2 !</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>Impossible de définir le code sentinelle de la piste 2 !</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>Impossible de définir le code sentinelle de la piste 3 !</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>Impossible de définir le code sentinelle de la piste 3 !</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>Impossible de définir l&apos;interface RF !</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>Impossible de définir l&apos;interface RF !</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>Impossible d&apos;envoyer la commande d&apos;initialisation !</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>Impossible d&apos;enregistrer les paramètres du port série !</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>Impossible d&apos;enregistrer les paramètres du port série !</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Gestionnaire des commutateurs mémoire virtuels</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>Lire l&apos;état</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Définir l&apos;état</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>Lire l&apos;état...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>Définir l&apos;état...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Traitement...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Lire l&apos;état</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>Définir l&apos;état</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>Configuration VMSM définie avec succès ! <byte value="xd"/>
Veuillez éteindre puis rallumer l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>Impossible d&apos;enregistrer la configuration VMSM !<byte value="xd"/>
Vérifiez l&apos;état de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>Utilitaire de gestion VMSM</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM défini avec succès !</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>Impossible d&apos;enregistrer les commutateurs mémoire virtuels !!<byte value="xd"/>
Vérifiez l&apos;état de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>Utilitaire de gestion globale</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>Le téléchargement a été arrêté...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Gestionnaire d&apos;images NV</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>En cours...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>Ouverture du port...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>Vérification de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>Lecture des adresses des images NV...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>Suppression de l&apos;image NV sélectionnée...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>Suppression de toutes les images NV...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>Début du téléchargement...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>Impression de toutes les images NV...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>Impression de l&apos;image NV sélectionnée...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>Fin du téléchargement...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>Impossible de lire les adresses des images NV !</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> Opération non prise en charge !</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> Impossible d&apos;écrire les données !<byte value="xd"/>
Vérifiez l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>Aucun fichier bitmap n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>La zone des images NV est trop petite !</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>Lecture des adresses des images NV</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>Suppression de l&apos;image NV sélectionnée</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>Suppression de toutes les images NV</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>Téléchargement de l&apos;image....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>Impression de toutes les images NV...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>Impression de l&apos;image NV sélectionnée...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>Ouverture du port..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>Vérification de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>Lecture des adresses des images NV</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>Suppression de l&apos;image NV sélectionnée</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>Suppression de toutes les images NV</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>Début du téléchargement....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>Impression de toutes les images NV</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>Impression de l&apos;image NV sélectionnée</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>Fin du téléchargement....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>Impossible de lire les adresses des images NV !</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> Impossible d&apos;écrire les données !<byte value="xd"/>
Vérifiez l&apos;imprimante!</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>Impossible d&apos;écrire les données !<byte value="xd"/>
Vérifiez l&apos;imprimante!</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>Aucun fichier bitmap n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>La zone des images NV est trop petite !</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>Plus aucun code d&apos;adresse libre !</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>Le téléchargement de l&apos;image a été annulé.</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>Impossible de charger le fichier image !</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>Le code d&apos;adresse doit avoir deux caractères !</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>L&apos;adresse existe déjà !</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>Prêt pour le téléchargement du micrologiciel.</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>Téléchargement du micrologiciel...N&apos;éteignez pas l&apos;imprimante !!!</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>Micrologiciel téléchargé ; redémarrez l&apos;imprimante !</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>Erreur : impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>Erreur : ouverture du port impossible ! Vérifiez l&apos;imprimante</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>Erreur : échec de l&apos;envoi !</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>Micrologiciel téléchargé avec succès !</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>Le fichier image ne contient aucun pixel !</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>Lire l&apos;état : %1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>Définir l&apos;état : %1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>Lire l&apos;état : %1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>Définir l&apos;état : %1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>Terminé....: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>Terminé..: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>Téléchargement de %1...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>L&apos;image est trop plate : à %1 points de large, il ne reste aucune ligne !</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>L&apos;image est trop grande pour une image NV : %1 octets de trame, au plus %2 (au plus 1365 lignes à 384 points) !</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>L&apos;imprimante a fermé la connexion.</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté la requête.</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>L&apos;imprimante indique un autre fabricant.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>La réponse de l&apos;imprimante n&apos;indique aucun modèle.</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>Aucune réponse n&apos;est arrivée en %1 s.</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>Aucune réponse n&apos;est arrivée en %1 s ; les réponses précédentes ont pris %2 s : l&apos;imprimante est peut-être occupée par un autre client.</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>Les réponses précédentes ont pris %1 s : l&apos;imprimante est peut-être occupée par un autre client.</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>L&apos;imprimante indique le modèle « %1 ».</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>La réponse « %1 » de l&apos;imprimante n&apos;indique aucun modèle.</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Valeur non valide !</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>Format HEXA non valide !!</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>La sentinelle dépasse 10 ( longueur : 1~10 )</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>La sentinelle a une valeur non valide (0x20~0x7F)</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>L’enregistrement a été annulé. Rien n’a été écrit dans l’imprimante.</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>L’enregistrement a été annulé en cours de route : certains paramètres sont peut-être déjà dans l’imprimante.<byte value="xd"/>
Relisez les paramètres avant de les modifier.</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 n&apos;existe pas : l&apos;imprimante n&apos;est pas branchée, ou le nom du port est erroné (`pelmora ports` liste les ports).</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 n&apos;est pas un port par lequel joindre une imprimante (`pelmora ports` liste les ports).</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>Accès refusé à %1 (demandez à l&apos;administrateur de cet ordinateur l&apos;accès au port).</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>Accès refusé à %1 : rejoignez le groupe %2 (sudo usermod -aG %2 $USER, puis reconnectez-vous).</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 est utilisé par un autre programme : fermez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 est utilisé par un autre programme, %2 : fermez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 a refusé la connexion : rien n&apos;écoute sur ce port (vérifiez l&apos;adresse et le port de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>%1 est injoignable : aucune route n&apos;y mène (vérifiez l&apos;adresse et la connexion réseau de cet ordinateur).</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 n&apos;a pas accepté la connexion en %2 s (vérifiez que l&apos;imprimante est allumée et que l&apos;adresse est juste).</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>Le nom d&apos;hôte dans %1 est inconnu (vérifiez son orthographe, ou indiquez l&apos;adresse IP de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 n&apos;est pas une adresse qu&apos;une imprimante peut avoir.</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 s&apos;est ouvert, mais aucune imprimante ne maintient DSR : elle est éteinte ou non connectée.</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 n&apos;a pas accepté les paramètres de ligne.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 n&apos;a pas pu être ouvert : %2.</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>%1 octets sont revenus en %2 s, mais aucune réponse de l&apos;imprimante : autre chose répond sur cette liaison (vérifiez le port et, sur une ligne série, sa vitesse).</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>À propos de Pelmora</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Pelmora %1</source>
        <translation>Pelmora %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licence : %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Rechercher des imprimantes</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>Imprimantes trouvées :</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adresses :</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>Port TCP :</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>Utiliser cette imprimante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>Saisissez les adresses à parcourir.</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>Saisissez un port TCP de 1 à 65535.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>Arrêté après %1 adresses sur %2 ; imprimantes trouvées : %3</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%1 adresses sur %2 ; imprimantes trouvées : %3</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>Cet ordinateur n&apos;a aucun port série, Bluetooth ou USB pour imprimante.</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>Ports de cet ordinateur : %1 sur %2 interrogés ; imprimantes trouvées : %3</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FoundPrinterModel</name>
    <message>
        <source>%1, firmware %2 (%3)</source>
        <translation>%1, micrologiciel %2 (%3)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignoré : %1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>Pas une MPT-Q700VII : %1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1 ; la fenêtre principale n&apos;accepte que les adresses IPv4</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>Interrogation...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Paramètres de communication</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Interface :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Débit en bauds :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Bits de données :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Bits d&apos;arrêt :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Contrôle de flux :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Gestionnaire des commutateurs mémoire virtuels</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Gestionnaire d&apos;images NV</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Gestionnaire de micrologiciel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>À &amp;propos de Pelmora</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Choisissez un menu 
 Cette application est Pelmora. Vous pouvez modifier les paramètres de communication et la page de codes, télécharger des images NV, etc.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora pour PC V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>AUCUN</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>Aucune imprimante USB connectée !</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>lignes endommagées</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Certains paramètres de communication enregistrés n&apos;ont pas pu être lus (%1) dans %2.
La fenêtre affiche les valeurs par défaut ; seul « Quitter » modifie l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>L&apos;imprimante USB %1 (%2) n&apos;est plus connectée.
Choisissez à nouveau « USB » pour lister les imprimantes présentes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>« %1 » n&apos;est pas une adresse IPv4.
Saisissez quatre nombres de 0 à 255 séparés par des points, par exemple 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>« %1 » n&apos;est pas un port TCP.
Saisissez un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>Impossible d&apos;enregistrer les paramètres de communication dans %1.</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>Rechercher des imprimantes...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>Paramètres de communication</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>Communication TCP/IP</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Gestionnaire des commutateurs de mémoire virtuels</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>Gestionnaire NV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora</source>
        <translation>MPT-Q700VII Pelmora</translation>
    </message>
    <message>
        <source>IP :</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>« %1 » n’est pas une adresse IPv4.
Saisissez quatre nombres de 0 à 255 séparés par des points, par exemple 192.168.1.1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>« %1 » n’est pas un port TCP.
Saisissez un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>L&apos;imprimante a accepté les paramètres, mais ils n&apos;ont pas pu être enregistrés.
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>Les paramètres de communication n&apos;ont pas pu être enregistrés.
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>Les paramètres enregistrés n'ont pas pu être lus ; l'écran affiche les valeurs par défaut.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>Vitesse d’impression :</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>Densité d’impression :</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Police par défaut</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>Page de codes par défaut</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>Avancé..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>Mode de déclenchement MSR</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>Service :</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>Position de découpe :
&lt;0~640 unités&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>Bip en fin de rouleau de papier</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>Bip en cas de batterie faible</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>Mode caractères sur deux octets</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>Configuration de l’interface série</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>Longueur des données :</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>Bits d’arrêt :</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>Délai d’arrêt automatique<byte value="xd"/>
&lt;0~90 min&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>Délai d’économie<byte value="xd"/>
d’énergie &lt;10~255 s&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>Autoriser la modification des paramètres BT</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Authentification et chiffrement</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>Mode de connexion</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>Mode1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>Mode2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>Mode3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>Code PIN &lt;12 caractères max.&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>Nom de l’imprimante &lt;30 caractères max.&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;Étape%1-%2&gt; Gestionnaire  VMSM</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>Gestionnaire VMSM</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>Annuler le gestionnaire VMSM ?</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Saisissez un entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Saisissez un entier positif.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>Saisissez au plus %1 caractères, Latin-1 uniquement.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>Réglages imprimante 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>Réglages imprimante 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>Interface de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pages de réglages</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>Densité</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>unités (0~%1)</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>min (0~%1 ex. 30)</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>s (0, 10~%1 ex. 100)</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>Configuration MSR</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avancé</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>Configuration de l&apos;interface série</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>Activer les réglages Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>Configuration de l&apos;interface Bluetooth</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>Réglages MSR avancés</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>Réglages sentinelle MSR</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>Option sentinelle</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamique</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>Piste 1 début</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>Piste 2 début</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>Piste 3 début</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>Piste 1 fin</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>Piste 2 fin</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>Piste 3 fin</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII (ex. : &quot;START(1)&quot;)</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>HEXA</source>
        <translation>HEXA</translation>
    </message>
    <message>
        <source>HEXA (ex: \&quot;0A 1F 10 4C\&quot;)</source>
        <translation>HEXA (ex. : \&quot;0A 1F 10 4C\&quot;)</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII (ex. : \&quot;START(1)\&quot;)</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>Gestionnaire de téléchargement du micrologiciel</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>État : </translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>Choisissez le fichier du micrologiciel (*.fls). </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Démarrer le téléchargement</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>Fichier de micrologiciel(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>Impossible d&apos;ouvrir %1 en lecture et écriture.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 est en lecture seule.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 est un dossier.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 dépasse %2 Mio.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Gestionnaire d&apos;images NV</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Luminosité </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>Tel qu&apos;imprimé</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>Affiche les points que l&apos;imprimante enregistrera pour cette image</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>Modifier la plage de couleurs</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Liste d&apos;images</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>Retire de la liste les bitmaps sélectionnés</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>Adressage automatique</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>Liste des images NV</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>Tout imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>Efface de l&apos;imprimante l&apos;image sélectionnée</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>Liste des fichiers image</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>Adressage automatique</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>Utilitaire de gestion NV</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;Images : %1/%2 - Mémoire : %3/%4 (octets)&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>Fichiers image(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>Tous les fichiers image(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>Aucun fichier bitmap n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>Voulez-vous supprimer toute la sélection ?</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>Veuillez sélectionner une adresse !</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>La liste des images n'a pas pu être enregistrée.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Gestionnaire d&apos;images NV</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>Adresse NV</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>Code d&apos;adresse : </translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>Code d&apos;adresse :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Valeur non valide !</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>En cours...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Traitement...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>L&apos;imprimante a accepté les paramètres, mais ils n&apos;ont pas pu être enregistrés : %1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Entrez un entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Entrez un entier positif.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvManagerLaunch</name>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>Utilitaire de gestion NV</translation>
    </message>
</context>
</TS>
