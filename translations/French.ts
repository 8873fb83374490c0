<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
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
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
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
</context>
</TS>
