<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>Állapot</translation>
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
        <translation>Nyomtatási sűrűség</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>Nyomtatási sebesség</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>Alapértelmezett kódlap</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Alapértelmezett betűtípus</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>Kétbájtos karaktermód</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>Nyomtató üzemmódja</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>Letépési pozíció</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>Hangjelzés a tekercs végén</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>Hangjelzés lemerülő akkumulátornál</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>Automatikus kikapcsolás (nincs kapcsolat)</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>Automatikus energiatakarékosság (van kapcsolat)</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>MSR-indítás</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>Határjel-beállítás</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Átviteli sebesség</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Adatbitek</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paritás</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Stopbitek</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Hitelesítés és titkosítás</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Kapcsolódási mód</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-kód</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nyomtató neve</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>1. sáv kezdőkódja</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>2. sáv kezdőkódja</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>3. sáv kezdőkódja</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>1. sáv zárókódja</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>2. sáv zárókódja</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>3. sáv zárókódja</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>„A” betűtípus ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>„B” betűtípus ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>„C” betűtípus ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>„A” betűtípus (12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>„B” betűtípus (9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Nyugta</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Címke</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>1/2/3. sáv olvasása paranccsal</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>1. sáv automatikus olvasása</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>2. sáv automatikus olvasása</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>3. sáv automatikus olvasása</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>1/2. sáv automatikus olvasása</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>2/3. sáv automatikus olvasása</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>1/2/3. sáv automatikus olvasása</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>Nincs MSR-indítás</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>Rögzített határjel</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>Egyéni határjel</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Páratlan</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Páros</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Kikapcsolva</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Bekapcsolva</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>1. mód</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>2. mód</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>3. mód</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Nincs</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>Hiba a port megnyitásakor!</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>Hiba a port megnyitásakor!</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>A nyomtató típusa nem egyezik!</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>A nyomtató típusneve nem egyezik!</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>Nem sikerült kiolvasni a nyomtató verzióját!</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>Nem sikerült kiolvasni a nyomtató verzióját!</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>Nem sikerült visszaállítani a gyári beállításokat!</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>Nem sikerült kiolvasni a kódlapot!</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>Nem sikerült kiolvasni az MSR-módot!</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>Nem sikerült kiolvasni az SW1 adatait!</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>Nem sikerült kiolvasni az SW2 adatait!</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>Nem sikerült kiolvasni az SW3 adatait!</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>Nem sikerült kiolvasni az SW5 adatait!</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>Nem sikerült kiolvasni az SW6 adatait!</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>Nem sikerült kiolvasni az SW7 adatait!</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>Nem sikerült kiolvasni az SW8 adatait!</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>Nem sikerült kiolvasni a letépési pozíciót!</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>Nem sikerült kiolvasni az SW51 adatait!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>Nem sikerült kiolvasni az IFSW1 adatait!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>Nem sikerült kiolvasni az IFSW2 adatait!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>Nem sikerült kiolvasni az IFSW3 adatait!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>Nem sikerült kiolvasni az IFSW4 adatait!</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>Nem sikerült kiolvasni az 1. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>Nem sikerült kiolvasni az 1. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>Nem sikerült kiolvasni a 2. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>Nem sikerült kiolvasni a 2. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>Nem sikerült kiolvasni a 3. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>Nem sikerült kiolvasni a 3. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>Nem sikerült kiolvasni az RF-csatolót!</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>Nem sikerült kiolvasni az RF-csatolót!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>Nem sikerült kiolvasni a Bluetooth-kapcsolat módját!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>Nem sikerült kiolvasni a Bluetooth-kapcsolat módját!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>Nem sikerült kiolvasni a Bluetooth-eszköz nevét!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>Nem sikerült kiolvasni a Bluetooth-eszköz nevét!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>Nem sikerült kiolvasni a Bluetooth PIN-kódot!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>Nem sikerült kiolvasni a Bluetooth PIN-kódot!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>Nem sikerült kiolvasni a Bluetooth-titkosítás adatait!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>Nem sikerült kiolvasni a Bluetooth-titkosítás adatait!</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>Nem sikerült kiolvasni a kódlapot!</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>Nem sikerült kiolvasni az MSR-módot!</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>Nem sikerült kiolvasni az MSW1 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>Nem sikerült kiolvasni az MSW1 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>Nem sikerült kiolvasni az MSW2 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>Nem sikerült kiolvasni az MSW2 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>Nem sikerült kiolvasni az MSW3 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>Nem sikerült kiolvasni az MSW3 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>Nem sikerült kiolvasni az MSW5 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>Nem sikerült kiolvasni az MSW5 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>Nem sikerült kiolvasni az MSW6 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>Nem sikerült kiolvasni az MSW6 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>Nem sikerült kiolvasni az MSW7 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>Nem sikerült kiolvasni az MSW7 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>Nem sikerült kiolvasni az MSW8 adatait!</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>Nem sikerült kiolvasni az MSW8 adatait!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>Nem sikerült kiolvasni az IFSW1 adatait!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>Nem sikerült kiolvasni az IFSW2 adatait!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>Nem sikerült kiolvasni az IFSW3 adatait!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>Nem sikerült kiolvasni az IFSW4 adatait!</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>Nem sikerült elküldeni az inicializáló parancsot!</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>Nem sikerült elküldeni a beállítást lezáró parancsot!</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>Nem sikerült elküldeni a beállítást lezáró parancsot!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>Nem sikerült menteni a Bluetooth-beállításokat!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>Nem sikerült menteni a Bluetooth-beállításokat!</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>Nem sikerült elküldeni az inicializáló parancsot!</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>Nem sikerült beírni az MSW1 adatait!</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>Nem sikerült beírni az MSW2 adatait!</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>Nem sikerült beírni az MSW3 adatait!</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>Nem sikerült beírni az MSW5 adatait!</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>Nem sikerült beírni az MSW6 adatait!</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>Nem sikerült beírni az MSW7 adatait!</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>Nem sikerült beírni az MSW8 adatait!</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>Nem sikerült beírni az IFSW1 adatait!</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>Nem sikerült beírni az SW51 adatait!</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>Nem sikerült beírni az IFSW2 adatait!</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>Nem sikerült beírni az IFSW3 adatait!</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>Nem sikerült beírni az IFSW4 adatait!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>Nem sikerült beállítani az 1. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>Nem sikerült beállítani az 1. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>Nem sikerült beállítani a 2. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>Nem sikerült beállítani a 2. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>Nem sikerült beállítani a 3. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>Nem sikerült beállítani a 3. sáv határjelét!</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>Nem sikerült beállítani az RF-csatolót!</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>Nem sikerült beállítani az RF-csatolót!</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>Nem sikerült elküldeni az inicializáló parancsot!</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>Nem sikerült menteni a soros port beállításait!</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>Nem sikerült menteni a soros port beállításait!</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Virtuális memóriakapcsolók kezelése</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>Állapot olvasása</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Állapot beállítása</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>Állapot olvasása...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>Állapot beállítása...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Feldolgozás...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Állapot olvasása</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>Állapot beállítása</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>A VMSM beállítása sikerült! <byte value="xd"/>
Kapcsolja ki, majd be a nyomtatót.</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>Nem sikerült menteni a VMSM-beállításokat!<byte value="xd"/>
Ellenőrizze a nyomtató állapotát.</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>VMSM-kezelő segédprogram</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>A VMSM beállítása sikerült!</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>Nem sikerült menteni a virtuális memóriakapcsolókat!<byte value="xd"/>
Ellenőrizze a nyomtató állapotát.</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>Átfogó kezelő segédprogram</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>A letöltés leállt...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-képkezelő</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>Folyamatban...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>Port megnyitása...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>Nyomtató ellenőrzése...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>NV-képcímek olvasása...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>A kijelölt NV-kép törlése...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>Az összes NV-kép törlése...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>Letöltés indítása...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>Az összes NV-kép nyomtatása...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>A kijelölt NV-kép nyomtatása...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>Letöltés befejezése...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>Nem sikerült kiolvasni az NV-képek címeit!</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> Nem támogatott művelet!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> Nem sikerült beírni az adatokat!<byte value="xd"/>
Ellenőrizze a nyomtatót.</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>Nincs kijelölt bitképfájl.</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>Az NV-képterület túl kicsi!</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>NV-képcímek olvasása</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>A kijelölt NV-kép törlése</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>Az összes NV-kép törlése</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>Kép letöltése...</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>Az összes NV-kép nyomtatása...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>A kijelölt NV-kép nyomtatása...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>Port megnyitása...</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>Nyomtató ellenőrzése...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>NV-képcímek olvasása</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>A kijelölt NV-kép törlése</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>Az összes NV-kép törlése</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>Letöltés indítása...</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>Az összes NV-kép nyomtatása</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>A kijelölt NV-kép nyomtatása</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>Letöltés befejezése...</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>Nem sikerült kiolvasni az NV-képek címeit!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> Nem sikerült beírni az adatokat!<byte value="xd"/>
Ellenőrizze a nyomtatót!</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>Nem sikerült beírni az adatokat!<byte value="xd"/>
Ellenőrizze a nyomtatót!</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>Nincs kijelölt bitképfájl.</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>Az NV-képterület túl kicsi!</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>Nincs több szabad címkód!</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>A kép letöltését megszakította.</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>Nem sikerült betölteni a képfájlt!</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>A címkódnak két karakterből kell állnia!</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>A cím már létezik!</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>Készen áll a firmware letöltésére.</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>A firmware letöltése folyamatban... Ne kapcsolja ki a nyomtatót!</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>A firmware letöltése kész, indítsa újra a nyomtatót!</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>Hiba: a fájl nem nyitható meg!</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>Hiba: a port nem nyitható meg! Ellenőrizze a nyomtatót.</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>Hiba: a küldés nem sikerült!</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>A firmware letöltése sikerült!</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>A képfájlban nincs képpont!</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>Állapot olvasása: %1%</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>Állapot beállítása: %1%</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>Állapot olvasása: %1%</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>Állapot beállítása: %1%</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>Kész: %1%</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>Kész: %1%</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>%1 letöltése...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>A kép túl lapos: %1 pont szélességben egyetlen sor sem marad!</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>A kép túl nagy egy NV-képhez: %1 bájtnyi raszteradat, legfeljebb %2 lehet (384 pontnál legfeljebb 1365 sor)!</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>A nyomtató bontotta a kapcsolatot.</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>A nyomtató nem fogadta a lekérdezést.</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>A nyomtató más gyártót jelez.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>A nyomtató válasza nem nevez meg típust.</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>%1 másodpercen belül nem jött válasz.</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>%1 másodpercen belül nem jött válasz; a korábbi válaszok %2 másodpercig tartottak: lehet, hogy a nyomtató egy másik klienssel foglalkozik.</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>A korábbi válaszok %1 másodpercig tartottak: lehet, hogy a nyomtató egy másik klienssel foglalkozik.</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>A nyomtató „%1” típust jelez.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>A nyomtató „%1” válasza nem nevez meg típust.</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Érvénytelen érték!</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>Érvénytelen HEXA-formátum!</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>A határjel hosszabb 10 karakternél (megengedett hossz: 1~10)</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>A határjel értéke érvénytelen (0x20~0x7F)</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>A mentést megszakította. A nyomtatóra semmi sem került.</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>A mentést menet közben szakította meg: egyes beállítások már a nyomtatón lehetnek.<byte value="xd"/>
Módosítás előtt olvassa be újra a beállításokat.</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>Nem létezik ilyen port: %1. A nyomtató nincs csatlakoztatva, vagy a port neve hibás (a `pelmora ports` felsorolja a portokat).</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>Ezen a porton nem érhető el nyomtató (%1); a `pelmora ports` felsorolja a portokat.</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>Nincs hozzáférési jog ehhez a porthoz (%1); kérjen hozzáférést a számítógép rendszergazdájától.</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>Nincs hozzáférési jog ehhez a porthoz: %1. Lépjen be ebbe a csoportba: %2 (sudo usermod -aG %2 $USER, majd jelentkezzen be újra).</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>Egy másik program használja ezt a portot: %1. Zárja be, majd próbálja újra.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>Egy másik program (%2) használja ezt a portot: %1. Zárja be, majd próbálja újra.</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>Elutasította a kapcsolatot: %1. Azon a porton semmi sem figyel (ellenőrizze a nyomtató címét és portját).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>Nem érhető el: %1. Nincs hozzá útvonal (ellenőrizze a címet és a számítógép hálózati kapcsolatát).</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>Ez a cím nem fogadta a kapcsolatot %2 másodpercen belül (%1); ellenőrizze, hogy a nyomtató be van-e kapcsolva, és helyes-e a cím.</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>Ismeretlen a gépnév ebben a címben (%1); ellenőrizze a helyesírását, vagy adja meg a nyomtató IP-címét.</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>Nyomtatónak nem lehet ilyen címe (%1).</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>Megnyílt a port (%1), de egyetlen nyomtató sem tartja fenn a DSR jelet: ki van kapcsolva, vagy nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>A port (%1) nem fogadta el a vonalbeállításokat.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Nem sikerült megnyitni (%1): %2.</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>%2 másodpercen belül %1 bájt érkezett vissza, de nem a nyomtató válasza: ezen a kapcsolaton valami más válaszol (ellenőrizze a portot, soros vonalon a sebességét is).</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>A Pelmora névjegye</translation>
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
        <translation>Licenc: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Nyomtatók keresése</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>Talált nyomtatók:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Címek:</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>TCP-port:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>E nyomtató használata</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>Írja be a keresendő címeket.</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>Adjon meg egy TCP-portot 1 és 65535 között.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>Leállítva %1/%2 cím után; talált nyomtatók: %3</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%1/%2 cím; talált nyomtatók: %3</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>Ezen a számítógépen nincs soros, Bluetooth- vagy USB-nyomtatóport.</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>A számítógép portjai: %1/%2 lekérdezve; talált nyomtatók: %3</translation>
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
        <translation>Kihagyva: %1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>Nem MPT-Q700VII: %1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1; a főablak csak IPv4-címet fogad el</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>Lekérdezés...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Csatoló</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Sebesség</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Nyomtató</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>Leírás</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Kommunikációs beállítások</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP-port</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Csatoló:</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Átviteli sebesség:</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Adatbitek:</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Stopbitek:</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Paritás:</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Átvitelvezérlés:</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Virtuális memóriakapcsolók kezelése</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-képkezelő</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Firmware-kezelő</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>A Pelmora &amp;névjegye</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Válasszon menüpontot 
 Ez az alkalmazás a Pelmora. Módosíthatja a kommunikációs beállításokat és a kódlapot, NV-képeket tölthet le stb.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora PC-re V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NINCS</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>Nincs csatlakoztatott USB-nyomtató!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>sérült sorok</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Néhány tárolt kommunikációs beállítás nem olvasható (%1) itt: %2.
Ezek helyett az ablak az alapértékeket mutatja; a tárolt beállítások csak a „Kilépés” gombbal módosulnak.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>Az USB-nyomtató (%1, %2) már nincs csatlakoztatva.
Válassza újra az „USB” lehetőséget a csatlakoztatott nyomtatók listázásához.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>A megadott érték („%1”) nem IPv4-cím.
Írjon be négy, pontokkal elválasztott számot 0 és 255 között, például 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>A megadott érték („%1”) nem TCP-port.
Írjon be egy számot 1 és 65535 között.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>A kommunikációs beállításokat nem sikerült menteni ide: %1.</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>Nyomtatók keresése...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>Kommunikációs beállítások</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>TCP/IP-kommunikáció</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Virtuális memóriakapcsolók kezelése</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>NV-kezelő</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora</source>
        <translation>MPT-Q700VII Pelmora</translation>
    </message>
    <message>
        <source>IP :</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Átviteli sebesség:</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP-port</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>A megadott érték („%1”) nem IPv4-cím.
Írjon be négy, pontokkal elválasztott számot 0 és 255 között, például 192.168.1.1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>A megadott érték („%1”) nem TCP-port.
Írjon be egy számot 1 és 65535 között.</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>A nyomtató átvette a beállításokat, de azokat nem sikerült menteni.
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>A kommunikációs beállításokat nem sikerült menteni.
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>A tárolt beállításokat nem sikerült beolvasni; a képernyő az alapértékeket mutatja.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>Nyomtatási sebesség:</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>Nyomtatási sűrűség:</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Alapértelmezett betűtípus</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>Alapértelmezett kódlap</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>Speciális...</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>MSR-indítási mód</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>Üzemmód:</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Nyugta</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Címke</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>Letépési pozíció:
&lt;0~640 egység&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>Hangjelzés a tekercs végén</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>Hangjelzés lemerülő akkumulátornál</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>Kétbájtos karaktermód</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>Soros csatoló beállításai</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Átviteli sebesség:</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Paritás:</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>Adathossz:</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>Stopbitek:</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>Automatikus kikapcsolás<byte value="xd"/>
&lt;0~90 perc&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>Automatikus energiatakarékosság<byte value="xd"/>
ideje &lt;10~255 mp&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>BT-beállítások módosítása</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Hitelesítés és titkosítás</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Kikapcsolva</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Bekapcsolva</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>Kapcsolódási mód</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>1. mód</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>2. mód</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>3. mód</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>PIN-kód &lt;max. 12 karakter&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>Nyomtató neve &lt;max. 30 karakter&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;%1/%2. lépés&gt; VMSM-kezelő</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Alapértékek</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Előző</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Következő</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>VMSM-kezelő</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>Kilép a VMSM-kezelőből?</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Adjon meg egy egész számot %1 és %2 között.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Adjon meg egy pozitív egész számot.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>Legfeljebb %1 Latin-1 karaktert adjon meg.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>Nyomtatóbeállítások 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>Nyomtatóbeállítások 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>Nyomtatócsatoló</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Beállítási lapok</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Alapértékek</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>Sűrűség</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>egység (0~%1)</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>perc (0~%1 pl. 30)</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>mp (0, 10~%1 pl. 100)</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>MSR-beállítások</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Speciális</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>Soros csatoló beállításai</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>Bluetooth-beállítások módosítása</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>Bluetooth-csatoló beállításai</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>Speciális MSR-beállítások</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>MSR-határjelek beállításai</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>Határjel-beállítás</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Rögzített</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Egyéni</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>1. sáv eleje</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>2. sáv eleje</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>3. sáv eleje</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>1. sáv vége</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>2. sáv vége</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>3. sáv vége</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII (pl. &quot;START(1)&quot;)</translation>
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
        <translation>HEXA (pl. \&quot;0A 1F 10 4C\&quot;)</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII (pl. \&quot;START(1)\&quot;)</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>Firmware-letöltés kezelése</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Letöltés állapota</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>Állapot: </translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>Válassza ki a firmware-fájlt (*.fls). </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Letöltés indítása</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>Firmware-fájl (*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>A fájl (%1) nem nyitható meg olvasásra és írásra.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>A fájl (%1) írásvédett.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>A megadott elem (%1) mappa, nem fájl.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>A fájl (%1) nagyobb, mint %2 MiB.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>A fájl (%1) nem olvasható.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-képkezelő</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Előnézet</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Fényerő </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>Nyomtatott formában</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>A nyomtató által ehhez a képhez tárolt pontokat mutatja</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>Színtartomány módosítása</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Sz.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Képlista</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Műveletek</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Kép hozzáadása</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>A kijelölt bitképeket leveszi a listáról</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Alaphelyzet</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>Automatikus címzés</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>NV-képlista</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>Összes nyomtatása</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>Törli a kijelölt képet a nyomtatóból</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Összes eltávolítása</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>Képfájlok listája</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>Automatikus címzés</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>NV-kezelő segédprogram</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bájt</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;Képek: %1/%2 - Memória: %3/%4 (bájt)&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>Képfájlok (*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>Minden képfájl (%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>Nincs kijelölt bitképfájl.</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>Eltávolítja az összes kijelölt elemet?</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>Válasszon ki egy címet!</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>A képlistát nem sikerült menteni.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV-képkezelő</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>NV-cím</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>Címkód: </translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>Címkód:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Érvénytelen érték!</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>Folyamatban...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Feldolgozás...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Megszakítás...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>A nyomtató átvette a beállításokat, de nem sikerült menteni őket: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Adjon meg egy egész számot %1 és %2 között.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Adjon meg egy pozitív egész számot.</translation>
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
        <translation>NV-kezelő segédprogram</translation>
    </message>
</context>
</TS>
