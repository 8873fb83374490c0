<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigListText</name>
    <message>
        <source>Printing Density</source>
        <translation>Densità di stampa</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>Velocità di stampa</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>Tabella codici predefinita</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Carattere predefinito</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>Modalità carattere a doppio byte</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>Servizio stampante</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>posizione di strappo</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>Segnale acustico a fine rotolo</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>Segnale acustico batteria scarica</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>Spegnimento automatico (non connesso)</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>Risparmio energetico automatico (connesso)</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>Attivazione MSR</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>Opzione sentinella</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Velocità in baud</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bit di dati</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bit di stop</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Autenticazione e cifratura</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Modalità di connessione</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Codice PIN</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nome stampante</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>Codice iniziale traccia 1</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>Codice iniziale traccia 2</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>Codice iniziale traccia 3</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>Codice finale traccia 1</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>Codice finale traccia 2</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>Codice finale traccia 3</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>Carattere A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>Carattere B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>Carattere C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>Carattere A(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>Carattere B(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Ricevuta</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>Tracce 1/2/3 lettura su comando</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>Traccia 1 lettura automatica</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>Traccia 2 lettura automatica</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>Traccia 3 lettura automatica</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>Tracce 1/2 lettura automatica</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>Tracce 2/3 lettura automatica</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>Tracce 1/2/3 lettura automatica</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>Attivazione MSR non usata</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>Sentinella statica</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>Sentinella dinamica</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Modalità 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modalità 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modalità 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>Errore di apertura della porta!</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>Errore di apertura della porta!!!</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>Il modello di stampante non corrisponde!</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>Il nome del modello di stampante non corrisponde...!!</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>Impossibile leggere la versione della stampante!</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>Impossibile leggere la versione della stampante!</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>Impossibile ripristinare le impostazioni di fabbrica!</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>Impossibile leggere la tabella codici!</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>Impossibile leggere la modalità MSR!</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>Impossibile leggere i dati SW1!</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>Impossibile leggere i dati SW2!</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>Impossibile leggere i dati SW3!</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>Impossibile leggere i dati SW5!</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>Impossibile leggere i dati SW6!</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>Impossibile leggere i dati SW7!</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>Impossibile leggere i dati SW8!</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>Impossibile leggere la posizione di strappo!</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>Impossibile leggere i dati SW51!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>Impossibile leggere i dati IFSW1!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>Impossibile leggere i dati IFSW2!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>Impossibile leggere i dati IFSW3!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>Impossibile leggere i dati IFSW4!</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>Impossibile leggere il codice sentinella della traccia 1!</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>Impossibile leggere il codice sentinella della traccia 1!</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>Impossibile leggere il codice sentinella della traccia 2!</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>Impossibile leggere il codice sentinella della traccia 2!</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>Impossibile leggere il codice sentinella della traccia 3!</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>Impossibile leggere il codice sentinella della traccia 3!</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>Impossibile leggere l&apos;interfaccia RF!</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>Impossibile leggere l&apos;interfaccia RF!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>Impossibile leggere la modalità di connessione Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>Impossibile leggere la modalità di connessione Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>Impossibile leggere il nome del dispositivo Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>Impossibile leggere il nome del dispositivo Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>Impossibile leggere il codice PIN Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>Impossibile leggere il codice PIN Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>Impossibile leggere le informazioni di crittografia Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>Impossibile leggere le informazioni di crittografia Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>Impossibile leggere la tabella codici!</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>Impossibile leggere la modalità MSR!</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>Impossibile leggere i dati MSW1!</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>Impossibile leggere i dati MSW1!</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>Impossibile leggere i dati MSW2!</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>Impossibile leggere i dati MSW2!</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>Impossibile leggere i dati MSW3!</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>Impossibile leggere i dati MSW3!</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>Impossibile leggere i dati MSW5!</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>Impossibile leggere i dati MSW5!</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>Impossibile leggere i dati MSW6!</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>Impossibile leggere i dati MSW6!</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>Impossibile leggere i dati MSW7!</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>Impossibile leggere i dati MSW7!</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>Impossibile leggere i dati MSW8!</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>Impossibile leggere i dati MSW8!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>Impossibile leggere i dati IFSW1!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>Impossibile leggere i dati IFSW2!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>Impossibile leggere i dati IFSW3!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>Impossibile leggere i dati IFSW4!</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>Impossibile inviare il comando di inizializzazione!</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>Impossibile inviare il comando di fine configurazione!</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>Impossibile inviare il comando di fine configurazione!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>Impossibile salvare le impostazioni Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>Impossibile salvare le impostazioni Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>Impossibile inviare il comando di inizializzazione!</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>Impossibile salvare i dati MSW1!</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>Impossibile salvare i dati MSW2!</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>Impossibile salvare i dati MSW3!</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>Impossibile salvare i dati MSW5!</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>Impossibile salvare i dati MSW6!</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>Impossibile salvare i dati MSW7!</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>Impossibile salvare i dati MSW8!</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>Impossibile salvare i dati IFSW1!</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>Impossibile salvare i dati SW51!</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>Impossibile salvare i dati IFSW2!</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>Impossibile salvare i dati IFSW3!</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>Impossibile salvare i dati IFSW4!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>Impossibile impostare il codice sentinella della traccia 1!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>Impossibile impostare il codice sentinella della traccia 1!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>Impossibile impostare il codice sentinella della traccia 2!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>Impossibile impostare il codice sentinella della traccia 2!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>Impossibile impostare il codice sentinella della traccia 3!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>Impossibile impostare il codice sentinella della traccia 3!</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>Impossibile impostare l&apos;interfaccia RF!</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>Impossibile impostare l&apos;interfaccia RF!</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>Impossibile inviare il comando di inizializzazione!</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>Impossibile salvare la configurazione della porta seriale!</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>Impossibile salvare la configurazione della porta seriale!</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Gestione interruttori di memoria virtuali</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>Leggi stato</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Imposta stato</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>Leggi stato...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>Imposta stato...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Elaborazione...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Leggi stato</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>Imposta stato</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>Configurazione VMSM impostata correttamente! <byte value="xd"/>
Spegnere e riaccendere la stampante.</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>Impossibile salvare la configurazione VMSM!<byte value="xd"/>
Controllare lo stato della stampante.</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>Utilità di gestione VMSM</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM impostato correttamente!</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>Impossibile salvare gli interruttori di memoria virtuali!!<byte value="xd"/>
Controllare lo stato della stampante</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>Utilità di gestione generale</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>Il download è stato interrotto...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Gestione immagini NV</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>In corso...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>Apertura porta...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>Verifica stampante...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>Lettura indirizzi immagini NV...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>Eliminazione immagine NV selezionata...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>Eliminazione di tutte le immagini NV...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>Avvio download...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>Stampa di tutte le immagini NV...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>Stampa immagine NV selezionata...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>Completamento download...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>Impossibile leggere gli indirizzi delle immagini NV!</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> Operazione non supportata!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> Impossibile scrivere i dati!<byte value="xd"/>
Controllare la stampante.</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>Nessun file bitmap selezionato.</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>L&apos;area immagini NV è troppo piccola!</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>Lettura indirizzi immagini NV</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>Eliminazione immagine NV selezionata</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>Eliminazione di tutte le immagini NV</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>Download immagine....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>Stampa di tutte le immagini NV...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>Stampa immagine NV selezionata...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>Apertura porta..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>Verifica stampante...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>Lettura indirizzi immagini NV</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>Eliminazione immagine NV selezionata</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>Eliminazione di tutte le immagini NV</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>Avvio download....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>Stampa di tutte le immagini NV</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>Stampa immagine NV selezionata</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>Completamento download....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>Impossibile leggere gli indirizzi delle immagini NV!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> Impossibile scrivere i dati!<byte value="xd"/>
Controllare la stampante!</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>Impossibile scrivere i dati!<byte value="xd"/>
Controllare la stampante!</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>Nessun file bitmap selezionato.</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>L&apos;area immagini NV è troppo piccola!</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>Nessun codice di indirizzo libero!</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>Download dell&apos;immagine annullato.</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>Impossibile caricare il file immagine!</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>Il codice di indirizzo richiede due caratteri!</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>L&apos;indirizzo esiste già!</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>Pronto per il download del firmware.</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>Download del firmware in corso...Non spegnere la stampante!!!</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>Download del firmware completato; riavviare la stampante!</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>Errore : impossibile aprire il file!</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>Errore : apertura della porta non riuscita! Controllare la stampante</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>Errore : invio non riuscito!</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>Firmware scaricato correttamente!</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>Il file immagine non contiene pixel!</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>Leggi stato : %1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>Imposta stato : %1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>Leggi stato : %1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>Imposta stato : %1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>Completato....: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>Completato..: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>Download di %1...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>L&apos;immagine è troppo bassa: a %1 punti di larghezza non resta alcuna riga!</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>L&apos;immagine è troppo grande per un&apos;immagine NV: %1 byte di raster, al massimo %2 (al massimo 1365 righe a 384 punti)!</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>La stampante ha chiuso la connessione.</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>La stampante non ha accettato la richiesta.</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>La stampante indica un altro produttore.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>La risposta della stampante non indica alcun modello.</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>Nessuna risposta entro %1 s.</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>Nessuna risposta entro %1 s; le risposte precedenti hanno richiesto %2 s: la stampante potrebbe essere occupata con un altro client.</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>Le risposte precedenti hanno richiesto %1 s: la stampante potrebbe essere occupata con un altro client.</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>La stampante indica il modello «%1».</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>La risposta «%1» della stampante non indica alcun modello.</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Valore non valido!</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>Formato HEXA non valido!!</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>La sentinella supera 10 ( lunghezza : 1~10 )</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>La sentinella ha un valore non valido (0x20~0x7F)</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>Salvataggio annullato. Nella stampante non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>Salvataggio annullato dopo l’avvio: alcune impostazioni potrebbero essere già nella stampante.<byte value="xd"/>
Rileggere le impostazioni prima di modificarle.</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 non esiste: la stampante non è collegata, oppure il nome della porta è sbagliato (`pelmora ports` elenca le porte).</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 non è una porta da cui si possa raggiungere una stampante (`pelmora ports` elenca le porte).</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>Accesso negato a %1 (chiedere all&apos;amministratore di questo computer l&apos;accesso alla porta).</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>Accesso negato a %1: entrare nel gruppo %2 (sudo usermod -aG %2 $USER, poi accedere di nuovo).</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 è in uso da parte di un altro programma: chiuderlo e riprovare.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 è in uso da parte di un altro programma, %2: chiuderlo e riprovare.</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 ha rifiutato la connessione: nessuno è in ascolto su quella porta (controllare l&apos;indirizzo e la porta della stampante).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>%1 non è raggiungibile: non c&apos;è un percorso verso di esso (controllare l&apos;indirizzo e la connessione di rete di questo computer).</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 non ha accettato la connessione entro %2 s (controllare che la stampante sia accesa e che l&apos;indirizzo sia giusto).</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>Il nome host in %1 è sconosciuto (controllarne l&apos;ortografia, oppure indicare l&apos;indirizzo IP della stampante).</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 non è un indirizzo che una stampante possa avere.</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 è stata aperta, ma nessuna stampante tiene attivo DSR: è spenta o non collegata.</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 non ha accettato le impostazioni di linea.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>Sono tornati %1 byte entro %2 s, ma nessuna risposta della stampante: qualcos&apos;altro risponde su questo collegamento (controllare la porta e, su una linea seriale, la sua velocità).</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>Informazioni su Pelmora</translation>
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
        <translation>Licenza: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Trova stampanti</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>Stampanti trovate:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Indirizzi:</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>Porta TCP:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>Usa questa stampante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>Digitare gli indirizzi da cercare.</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>Digitare una porta TCP da 1 a 65535.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>Interrotta dopo %1 indirizzi su %2; stampanti trovate: %3</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%1 indirizzi su %2; stampanti trovate: %3</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>Questo computer non ha porte seriali, Bluetooth o USB per stampanti.</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>Porte di questo computer: %1 su %2 interrogate; stampanti trovate: %3</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FoundPrinterModel</name>
    <message>
        <source>%1, firmware %2 (%3)</source>
        <translation>%1, firmware %2 (%3)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Saltata: %1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>Non è una MPT-Q700VII: %1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1; la finestra principale accetta solo indirizzi IPv4</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>Interrogazione...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Impostazioni di comunicazione</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Porta TCP</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Interfaccia :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Porta :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Velocità in baud :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Bit di dati :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Bit di stop :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parità :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Controllo di flusso :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Gestione interruttori di memoria virtuali</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Gestione immagini NV</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Gestione firmware</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>&amp;Informazioni su Pelmora</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Selezionare un menu 
 Questa applicazione è Pelmora. È possibile modificare le impostazioni di comunicazione e la tabella codici, scaricare immagini NV, ecc.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora per PC V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NESSUNO</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>Nessuna stampante USB collegata!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>righe danneggiate</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Alcune impostazioni di comunicazione salvate non sono leggibili (%1) in %2.
La finestra mostra i valori predefiniti; solo «Esci» modifica i dati salvati.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>La stampante USB %1 (%2) non è più collegata.
Scegliere di nuovo «USB» per elencare le stampanti presenti.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>«%1» non è un indirizzo IPv4.
Digitare quattro numeri da 0 a 255 separati da punti, ad esempio 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>«%1» non è una porta TCP.
Digitare un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>Impossibile salvare le impostazioni di comunicazione in %1.</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>Trova stampanti...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>Impostazioni di comunicazione</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>Comunicazione TCP/IP</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Gestione interruttori di memoria virtuali</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>Gestione NV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>Porta :</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Velocità :</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Porta TCP</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>«%1» non è un indirizzo IPv4.
Digitare quattro numeri da 0 a 255 separati da punti, ad esempio 192.168.1.1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>«%1» non è una porta TCP.
Digitare un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>La stampante ha accettato le impostazioni, ma non è stato possibile salvarle.
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>Impossibile salvare le impostazioni di comunicazione.
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>Non è stato possibile leggere le impostazioni salvate; la schermata mostra i valori predefiniti.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>Velocità di stampa :</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>Densità di stampa :</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Carattere predefinito</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>Code page predefinita</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>Avanzate..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>Modalità di attivazione MSR</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>Servizio :</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Scontrino</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>Posizione di strappo :
&lt;0~640 unità&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>Segnale acustico a fine rotolo</translation>
    </message>
    <message>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>Segnale acustico a batteria scarica</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>Modalità caratteri a doppio byte</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>Configurazione interfaccia seriale</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Velocità :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parità :</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>Lunghezza dati :</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>Bit di stop :</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>Tempo di spegnimento automatico<byte value="xd"/>
&lt;0~90 min&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>Risparmio energetico<byte value="xd"/>
automatico &lt;10~255 s&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>Consenti modifica impostazioni BT</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Autenticazione e crittografia</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>Modalità di connessione</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>Modo1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>Modo2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>Modo3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>Codice PIN &lt;max 12 caratteri&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>Nome stampante &lt;max 30 caratteri&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;Passo%1-%2&gt; Gestione  VMSM</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>Gestione VMSM</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>Annullare la gestione VMSM?</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Immettere un numero intero compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Immettere un numero intero positivo.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>Immettere al massimo %1 caratteri, solo Latin-1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>Impostazioni stampante 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>Impostazioni stampante 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>Interfaccia stampante</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pagine delle impostazioni</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>Densità</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>unità (0~%1)</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>min (0~%1 es. 30)</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>s (0, 10~%1 es. 100)</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>Configurazione MSR</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanzate</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>Configurazione interfaccia seriale</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>Attiva impostazioni Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>Configurazione interfaccia Bluetooth</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>Impostazioni MSR avanzate</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>Impostazioni sentinella MSR</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>Opzione sentinella</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statica</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dinamica</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>Traccia 1 inizio</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>Traccia 2 inizio</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>Traccia 3 inizio</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>Traccia 1 fine</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>Traccia 2 fine</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>Traccia 3 fine</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII (es.: &quot;START(1)&quot;)</translation>
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
        <translation>HEXA (es.: \&quot;0A 1F 10 4C\&quot;)</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII (es.: \&quot;START(1)\&quot;)</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>Gestione download firmware</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Avanzamento download</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>Stato : </translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>Selezionare il file del firmware (*.fls). </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Avvia download</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>File firmware(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>Impossibile aprire %1 in lettura e scrittura.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 è di sola lettura.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 è una cartella.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 supera %2 MiB.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Gestione immagini NV</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Luminosità </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>Come stampato</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>Mostra i punti che la stampante memorizzerà per questa immagine</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>Modifica intervallo colori</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Elenco immagini</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>Toglie dall&apos;elenco le bitmap selezionate</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>Indirizzamento automatico</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>Elenco immagini NV</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>Stampa tutto</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>Cancella dalla stampante l&apos;immagine selezionata</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>Elenco file immagine</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>Indirizzamento automatico</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>Utilità di gestione NV</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;Immagini: %1/%2 - Memoria: %3/%4 (byte)&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>File immagine(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>Tutti i file immagine(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>Nessun file bitmap selezionato.</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>Rimuovere tutti gli elementi selezionati?</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>Seleziona un indirizzo!</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>Non è stato possibile salvare l'elenco delle immagini.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Gestione immagini NV</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>Indirizzo NV</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>Codice indirizzo : </translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>Codice indirizzo :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Valore non valido!</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>In corso...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Elaborazione...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>La stampante ha accettato le impostazioni, ma non è stato possibile salvarle: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Immettere un numero intero compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Immettere un numero intero positivo.</translation>
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
        <translation>Utilità di gestione NV</translation>
    </message>
</context>
</TS>
