<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
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
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
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
</context>
</TS>
