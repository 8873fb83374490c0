<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
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
        <translation>Druckdichte</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>Druckgeschwindigkeit</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>Standard-Codepage</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Standardschrift</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>Doppelbyte-Schriftmodus</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>Druckerbetrieb</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>Abreißposition</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>Signalton bei Rollenende</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>Signalton bei schwachem Akku</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>Automatische Abschaltung (nicht verbunden)</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>Automatisches Energiesparen (verbunden)</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>MSR-Auslöser</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>Sentinel-Option</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Authentifizierung &amp; Verschlüsselung</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Verbindungsmodus</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-Code</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Druckername</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>Spur 1 Startcode</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>Spur 2 Startcode</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>Spur 3 Startcode</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>Spur 1 Endcode</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>Spur 2 Endcode</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>Spur 3 Endcode</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>Schrift A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>Schrift B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>Schrift C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>Schrift A(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>Schrift B(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Beleg</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>Spur 1/2/3 Lesen per Befehl</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>Spur 1 automatisch lesen</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>Spur 2 automatisch lesen</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>Spur 3 automatisch lesen</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>Spur 1/2 automatisch lesen</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>Spur 2/3 automatisch lesen</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>Spur 1/2/3 automatisch lesen</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>MSR-Auslöser nicht verwendet</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>Statischer Sentinel</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>Dynamischer Sentinel</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Modus 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modus 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modus 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>Fehler beim Öffnen des Anschlusses!</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>Fehler beim Öffnen des Anschlusses!!!</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>Das Druckermodell passt nicht!</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>Der Name des Druckermodells passt nicht...!!</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>Die Druckerversion konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>Die Druckerversion konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>Die Werkseinstellung konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>Die Codepage konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>Der MSR-Modus konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>Die SW1-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>Die SW2-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>Die SW3-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>Die SW5-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>Die SW6-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>Die SW7-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>Die SW8-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>Die Abreißposition konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>Die SW51-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>Die IFSW1-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>Die IFSW2-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>Die IFSW3-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>Die IFSW4-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>Der Sentinel-Code von Spur 1 konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>Der Sentinel-Code von Spur 1 konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>Der Sentinel-Code von Spur 2 konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>Der Sentinel-Code von Spur 2 konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>Der Sentinel-Code von Spur 3 konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>Der Sentinel-Code von Spur 3 konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>Die RF-Schnittstelle konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>Die RF-Schnittstelle konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>Der Bluetooth-Verbindungsmodus konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>Der Bluetooth-Verbindungsmodus konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>Der Bluetooth-Gerätename konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>Der Bluetooth-Gerätename konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>Der Bluetooth-PIN-Code konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>Der Bluetooth-PIN-Code konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>Die Bluetooth-Verschlüsselungsdaten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>Die Bluetooth-Verschlüsselungsdaten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>Die Codepage konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>Der MSR-Modus konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>Die MSW1-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>Die MSW1-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>Die MSW2-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>Die MSW2-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>Die MSW3-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>Die MSW3-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>Die MSW5-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>Die MSW5-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>Die MSW6-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>Die MSW6-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>Die MSW7-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>Die MSW7-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>Die MSW8-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>Die MSW8-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>Die IFSW1-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>Die IFSW2-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>Die IFSW3-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>Die IFSW4-Daten konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>Der Initialisierungsbefehl konnte nicht gesendet werden!</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>Der Befehl zum Abschluss der Einstellung konnte nicht gesendet werden!</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>Der Befehl zum Abschluss der Einstellung konnte nicht gesendet werden!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>Die Bluetooth-Einstellungen konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>Die Bluetooth-Einstellungen konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>Der Initialisierungsbefehl konnte nicht gesendet werden!</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>Die MSW1-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>Die MSW2-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>Die MSW3-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>Die MSW5-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>Die MSW6-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>Die MSW7-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>Die MSW8-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>Die IFSW1-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>Die SW51-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>Die IFSW2-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>Die IFSW3-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>Die IFSW4-Daten konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>Der Sentinel-Code von Spur 1 konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>Der Sentinel-Code von Spur 1 konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>Der Sentinel-Code von Spur 2 konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>Der Sentinel-Code von Spur 2 konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>Der Sentinel-Code von Spur 3 konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>Der Sentinel-Code von Spur 3 konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>Die RF-Schnittstelle konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>Die RF-Schnittstelle konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>Der Initialisierungsbefehl konnte nicht gesendet werden!</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>Die Einstellungen der seriellen Schnittstelle konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>Die Einstellungen der seriellen Schnittstelle konnten nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Verwaltung der virtuellen Speicherschalter</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>Status lesen</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Status setzen</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>Status lesen...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>Status setzen...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Verarbeitung...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Status lesen</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>Status setzen</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>VMSM-Konfiguration erfolgreich gesetzt! <byte value="xd"/>
Bitte schalten Sie den Drucker aus und wieder ein.</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>Die VMSM-Konfiguration konnte nicht gespeichert werden!<byte value="xd"/>
Bitte prüfen Sie den Zustand des Druckers.</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>VMSM-Verwaltung</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM erfolgreich gesetzt!</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>Die virtuellen Speicherschalter konnten nicht gespeichert werden!!<byte value="xd"/>
Bitte prüfen Sie den Zustand des Druckers</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>Gesamtverwaltung</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>Der Download wurde angehalten...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-Bildverwaltung</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>Läuft...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>Anschluss öffnen...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>Drucker prüfen...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>NV-Bildadressen lesen...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>Gewähltes NV-Bild löschen...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>Alle NV-Bilder löschen...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>Download beginnt...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>Alle NV-Bilder drucken...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>Gewähltes NV-Bild drucken...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>Download wird abgeschlossen...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>Die NV-Bildadressen konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> Vorgang wird nicht unterstützt!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> Die Daten konnten nicht geschrieben werden!<byte value="xd"/>
Bitte prüfen Sie den Drucker.</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>Es ist keine Bitmap-Datei ausgewählt.</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>Der NV-Bildspeicher ist zu klein!</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>NV-Bildadressen lesen</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>Gewähltes NV-Bild löschen</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>Alle NV-Bilder löschen</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>Bild wird heruntergeladen....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>Alle NV-Bilder drucken...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>Gewähltes NV-Bild drucken...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>Anschluss öffnen..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>Drucker prüfen...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>NV-Bildadressen lesen</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>Gewähltes NV-Bild löschen</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>Alle NV-Bilder löschen</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>Download beginnt....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>Alle NV-Bilder drucken</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>Gewähltes NV-Bild drucken</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>Download wird abgeschlossen....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>Die NV-Bildadressen konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> Die Daten konnten nicht geschrieben werden!<byte value="xd"/>
Bitte prüfen Sie den Drucker!</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>Die Daten konnten nicht geschrieben werden!<byte value="xd"/>
Bitte prüfen Sie den Drucker!</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>Es ist keine Bitmap-Datei ausgewählt.</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>Der NV-Bildspeicher ist zu klein!</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>Kein freier Adresscode mehr!</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>Das Herunterladen des Bildes wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>Die Bilddatei konnte nicht geladen werden!</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>Der Adresscode braucht zwei Zeichen!</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>Die Adresse ist bereits vorhanden!</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>Bereit zum Herunterladen der Firmware.</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>Die Firmware wird heruntergeladen...Drucker nicht ausschalten!!!</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>Firmware heruntergeladen, bitte den Drucker neu starten!</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>Fehler : Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>Fehler : Anschluss lässt sich nicht öffnen! Bitte Drucker prüfen</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>Fehler : Senden fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>Firmware erfolgreich heruntergeladen!</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>Die Bilddatei enthält keine Pixel!</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>Status lesen : %1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>Status setzen : %1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>Status lesen : %1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>Status setzen : %1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>Abgeschlossen....: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>Abgeschlossen..: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>%1 wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>Das Bild ist zu flach: bei %1 Punkten Breite bleibt keine Zeile übrig!</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>Das Bild ist für ein NV-Bild zu groß: %1 Byte Rasterdaten, höchstens %2 (höchstens 1365 Zeilen bei 384 Punkten)!</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>Der Drucker hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>Der Drucker hat die Abfrage nicht angenommen.</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>Der Drucker meldet einen anderen Hersteller.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>Die Antwort des Druckers nennt kein Modell.</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>Innerhalb von %1 s kam keine Antwort.</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>Innerhalb von %1 s kam keine Antwort; frühere Antworten brauchten %2 s: Der Drucker ist vielleicht mit einem anderen Client beschäftigt.</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>Frühere Antworten brauchten %1 s: Der Drucker ist vielleicht mit einem anderen Client beschäftigt.</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>Der Drucker meldet das Modell „%1“.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>Die Antwort „%1“ des Druckers nennt kein Modell.</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Ungültiger Wert!</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>Ungültiges HEXA-Format!!</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>Sentinel ist länger als 10 ( Längenbereich : 1~10 )</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>Sentinel hat einen ungültigen Wert (0x20~0x7F)</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>Das Speichern wurde abgebrochen. Es wurde nichts an den Drucker geschrieben.</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>Das Speichern wurde abgebrochen, nachdem es begonnen hatte: Einige Einstellungen sind möglicherweise schon im Drucker.<byte value="xd"/>
Lesen Sie die Einstellungen erneut, bevor Sie sie ändern.</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 existiert nicht: Der Drucker ist nicht angeschlossen, oder der Portname ist falsch (`pelmora ports` listet die Ports auf).</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 ist kein Port, über den ein Drucker erreichbar ist (`pelmora ports` listet die Ports auf).</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>Zugriff auf %1 verweigert (bitten Sie den Administrator dieses Computers um Zugriff auf den Port).</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>Zugriff auf %1 verweigert: Treten Sie der Gruppe %2 bei (sudo usermod -aG %2 $USER, dann neu anmelden).</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 wird von einem anderen Programm verwendet: Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 wird von einem anderen Programm verwendet, %2: Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 hat die Verbindung abgelehnt: An diesem Port lauscht nichts (prüfen Sie Adresse und Port des Druckers).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>%1 ist nicht erreichbar: Es gibt keine Route dorthin (prüfen Sie die Adresse und die Netzwerkverbindung dieses Computers).</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 hat die Verbindung nicht innerhalb von %2 s angenommen (prüfen Sie, ob der Drucker eingeschaltet und die Adresse richtig ist).</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>Der Hostname in %1 ist unbekannt (prüfen Sie die Schreibweise, oder geben Sie die IP-Adresse des Druckers an).</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 ist keine Adresse, die ein Drucker haben kann.</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 wurde geöffnet, aber kein Drucker hält DSR aktiv: Er ist ausgeschaltet oder nicht angeschlossen.</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 hat die Leitungseinstellungen nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>Innerhalb von %2 s kamen %1 Bytes zurück, aber keine Antwort des Druckers: Etwas anderes antwortet auf dieser Verbindung (prüfen Sie den Port und bei einer seriellen Leitung deren Geschwindigkeit).</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>Über Pelmora</translation>
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
        <translation>Lizenz: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Drucker suchen</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>Gefundene Drucker:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adressen:</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>TCP-Port:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>Diesen Drucker verwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>Geben Sie die zu durchsuchenden Adressen ein.</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>Geben Sie einen TCP-Port von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>Angehalten nach %1 von %2 Adressen, %3 gefunden</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%1 von %2 Adressen, %3 gefunden</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>Dieser Computer hat keinen seriellen, Bluetooth- oder USB-Druckeranschluss.</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>Anschlüsse dieses Computers: %1 von %2 abgefragt, %3 gefunden</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FoundPrinterModel</name>
    <message>
        <source>%1, firmware %2 (%3)</source>
        <translation>%1, Firmware %2 (%3)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>Kein MPT-Q700VII: %1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1; das Hauptfenster nimmt nur IPv4-Adressen an</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>Wird abgefragt...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Kommunikationseinstellungen</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Schnittstelle :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Anschluss :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Baudrate :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Datenbits :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Stoppbits :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parität :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Flusssteuerung :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Verwaltung der virtuellen Speicherschalter</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-Bildverwaltung</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Firmware-Verwaltung</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>Ü&amp;ber Pelmora</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Menü wählen 
 Dieses Programm ist Pelmora. Sie können die Kommunikationseinstellungen und die Codepage ändern, NV-Bilder herunterladen usw.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora für PC V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>Kein USB-Drucker angeschlossen!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>beschädigte Zeilen</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Einige gespeicherte Kommunikationseinstellungen in %2 konnten nicht gelesen werden (%1).
Das Fenster zeigt für sie die Standardwerte; gespeichert wird erst mit „Beenden“.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>Der USB-Drucker %1 (%2) ist nicht mehr angeschlossen.
Wählen Sie erneut „USB“, um die vorhandenen Drucker aufzulisten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>„%1“ ist keine IPv4-Adresse.
Geben Sie vier durch Punkte getrennte Zahlen von 0 bis 255 ein, z. B. 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>„%1“ ist kein TCP-Port.
Geben Sie eine Zahl von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>Die Kommunikationseinstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>Drucker suchen...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>Kommunikationseinstellungen</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>TCP/IP-Kommunikation</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Verwaltung der virtuellen Speicherschalter</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>NV-Verwaltung</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <translation>Anschluss :</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Baudrate :</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP-Port</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>„%1“ ist keine IPv4-Adresse.
Geben Sie vier durch Punkte getrennte Zahlen von 0 bis 255 ein, z. B. 192.168.1.1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>„%1“ ist kein TCP-Port.
Geben Sie eine Zahl von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>Der Drucker hat die Einstellungen übernommen, aber sie konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>Die Kommunikationseinstellungen konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden; der Bildschirm zeigt die Standardwerte.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>Druckgeschwindigkeit :</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>Druckdichte :</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Standardschriftart</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>Standard-Codepage</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>Erweitert..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>MSR-Auslösemodus</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>Betriebsart :</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Beleg</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>Abreißposition :
&lt;0~640 Einheiten&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>Signalton bei Papierrollenende</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>Signalton bei schwachem Akku</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>Doppelbyte-Zeichenmodus</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>Konfiguration der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Baudrate :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parität :</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>Datenlänge :</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>Stoppbits :</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>Zeit bis zum Abschalten<byte value="xd"/>
&lt;0~90 min&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>Zeit bis zum<byte value="xd"/>
Stromsparen &lt;10~255 s&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>Bluetooth-Einstellungen ändern</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Authentifizierung &amp; Verschlüsselung</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>Verbindungsmodus</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>Modus1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>Modus2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>Modus3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>PIN-Code &lt;max. 12 Zeichen&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>Druckername &lt;max. 30 Zeichen&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;Schritt%1-%2&gt; VMSM  Verwaltung</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>VMSM-Verwaltung</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>VMSM-Verwaltung abbrechen?</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>Geben Sie höchstens %1 Zeichen ein, nur Latin-1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>Druckereinstellung 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>Druckereinstellung 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>Druckerschnittstelle</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>Druckdichte</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>Einheiten (0~%1)</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>Min. (0~%1 z. B. 30)</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>Sek. (0, 10~%1 z. B. 100)</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>MSR-Konfiguration</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>Bluetooth-Einstellung aktivieren</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>Bluetooth-Schnittstelle</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>Erweiterte MSR-Einstellungen</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>MSR-Sentinel-Einstellungen</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>Sentinel-Option</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamisch</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>Spur 1 Start</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>Spur 2 Start</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>Spur 3 Start</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>Spur 1 Ende</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>Spur 2 Ende</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>Spur 3 Ende</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII (z. B.: &quot;START(1)&quot;)</translation>
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
        <translation>HEXA (z. B.: \&quot;0A 1F 10 4C\&quot;)</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII (z. B.: \&quot;START(1)\&quot;)</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>Firmware-Download-Verwaltung</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Fortschritt des Downloads</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>Status : </translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>Firmware-Datei (*.fls) wählen. </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Download starten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>Firmware-Datei(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>%1 lässt sich nicht zum Lesen und Schreiben öffnen.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 ist größer als %2 MiB.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-Bildverwaltung</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Helligkeit </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>Wie gedruckt</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>Zeigt die Punkte, die der Drucker für dieses Bild speichert</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>Farbbereich ändern</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Bildliste</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>Nimmt die ausgewählten Bitmaps aus der Liste</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>Automatische Adressierung</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>NV-Bildliste</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>Alle drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>Löscht das ausgewählte Bild im Drucker</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>Bilddateiliste</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>Automatische Adressierung</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>NV-Verwaltungsprogramm</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;Bilder: %1/%2 - Speicher: %3/%4 (Byte)&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>Bilddateien(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>Alle Bilddateien(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>Es ist keine Bitmap-Datei ausgewählt.</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>Möchten Sie alle ausgewählten Einträge entfernen?</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>Bitte wählen Sie eine Adresse!</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>Die Bildliste konnte nicht gespeichert werden.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-Bildverwaltung</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>NV-Adresse</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>Adresscode : </translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>Adresscode :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Ungültiger Wert!</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>Läuft...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Verarbeitung...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>Der Drucker hat die Einstellungen übernommen, sie konnten aber nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Geben Sie eine positive ganze Zahl ein.</translation>
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
        <translation>NV-Verwaltungsprogramm</translation>
    </message>
</context>
</TS>
