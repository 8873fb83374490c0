<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
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
        <translation>Gęstość druku</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>Prędkość druku</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>Domyślna strona kodowa</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Domyślna czcionka</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>Tryb czcionki dwubajtowej</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>Tryb drukarki</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>pozycja odrywania</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>Sygnał końca rolki papieru</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>Sygnał słabej baterii</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>Czas automatycznego wyłączenia (bez połączenia)</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>Czas automatycznego oszczędzania energii (połączono)</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>Wyzwalacz MSR</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>Opcja znaczników</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Szybkość transmisji</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bity danych</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bity stopu</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Uwierzytelnianie i szyfrowanie</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Tryb połączenia</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Kod PIN</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nazwa drukarki</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>Kod początku ścieżki 1</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>Kod początku ścieżki 2</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>Kod początku ścieżki 3</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>Kod końca ścieżki 1</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>Kod końca ścieżki 2</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>Kod końca ścieżki 3</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>Czcionka A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>Czcionka B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>Czcionka C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>Czcionka A(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>Czcionka B(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Paragon</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>Ścieżki 1/2/3 odczyt na polecenie</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>Ścieżka 1 odczyt automatyczny</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>Ścieżka 2 odczyt automatyczny</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>Ścieżka 3 odczyt automatyczny</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>Ścieżki 1/2 odczyt automatyczny</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>Ścieżki 2/3 odczyt automatyczny</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>Ścieżki 1/2/3 odczyt automatyczny</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>Wyzwalacz MSR nieużywany</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>Znacznik stały</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>Znacznik zmienny</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzysta</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Tryb 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Tryb 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Tryb 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>Błąd otwarcia portu!</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>Błąd otwarcia portu!!!</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>Model drukarki się nie zgadza!</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>Nazwa modelu drukarki się nie zgadza...!!</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>Nie udało się odczytać wersji drukarki!</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>Nie udało się odczytać wersji drukarki!</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>Nie udało się przywrócić ustawień fabrycznych!</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>Nie udało się odczytać strony kodowej!</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>Nie udało się odczytać trybu MSR!</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>Nie udało się odczytać danych SW1!</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>Nie udało się odczytać danych SW2!</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>Nie udało się odczytać danych SW3!</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>Nie udało się odczytać danych SW5!</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>Nie udało się odczytać danych SW6!</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>Nie udało się odczytać danych SW7!</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>Nie udało się odczytać danych SW8!</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>Nie udało się odczytać pozycji odrywania!</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>Nie udało się odczytać danych SW51!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>Nie udało się odczytać danych IFSW1!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>Nie udało się odczytać danych IFSW2!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>Nie udało się odczytać danych IFSW3!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>Nie udało się odczytać danych IFSW4!</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>Nie udało się odczytać znacznika ścieżki 1!</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>Nie udało się odczytać znacznika ścieżki 1!</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>Nie udało się odczytać znacznika ścieżki 2!</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>Nie udało się odczytać znacznika ścieżki 2!</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>Nie udało się odczytać znacznika ścieżki 3!</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>Nie udało się odczytać znacznika ścieżki 3!</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>Nie udało się odczytać interfejsu RF!</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>Nie udało się odczytać interfejsu RF!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>Nie udało się odczytać trybu połączenia Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>Nie udało się odczytać trybu połączenia Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>Nie udało się odczytać nazwy urządzenia Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>Nie udało się odczytać nazwy urządzenia Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>Nie udało się odczytać kodu PIN Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>Nie udało się odczytać kodu PIN Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>Nie udało się odczytać informacji o szyfrowaniu Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>Nie udało się odczytać informacji o szyfrowaniu Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>Nie udało się odczytać strony kodowej!</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>Nie udało się odczytać trybu MSR!</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>Nie udało się odczytać danych MSW1!</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>Nie udało się odczytać danych MSW1!</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>Nie udało się odczytać danych MSW2!</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>Nie udało się odczytać danych MSW2!</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>Nie udało się odczytać danych MSW3!</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>Nie udało się odczytać danych MSW3!</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>Nie udało się odczytać danych MSW5!</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>Nie udało się odczytać danych MSW5!</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>Nie udało się odczytać danych MSW6!</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>Nie udało się odczytać danych MSW6!</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>Nie udało się odczytać danych MSW7!</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>Nie udało się odczytać danych MSW7!</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>Nie udało się odczytać danych MSW8!</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>Nie udało się odczytać danych MSW8!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>Nie udało się odczytać danych IFSW1!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>Nie udało się odczytać danych IFSW2!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>Nie udało się odczytać danych IFSW3!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>Nie udało się odczytać danych IFSW4!</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>Nie udało się wysłać polecenia inicjującego!</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>Nie udało się wysłać polecenia kończącego konfigurację!</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>Nie udało się wysłać polecenia kończącego konfigurację!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>Nie udało się zapisać ustawień Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>Nie udało się zapisać ustawień Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>Nie udało się wysłać polecenia inicjującego!</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>Nie udało się zapisać danych MSW1!</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>Nie udało się zapisać danych MSW2!</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>Nie udało się zapisać danych MSW3!</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>Nie udało się zapisać danych MSW5!</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>Nie udało się zapisać danych MSW6!</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>Nie udało się zapisać danych MSW7!</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>Nie udało się zapisać danych MSW8!</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>Nie udało się zapisać danych IFSW1!</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>Nie udało się zapisać danych SW51!</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>Nie udało się zapisać danych IFSW2!</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>Nie udało się zapisać danych IFSW3!</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>Nie udało się zapisać danych IFSW4!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>Nie udało się ustawić znacznika ścieżki 1!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>Nie udało się ustawić znacznika ścieżki 1!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>Nie udało się ustawić znacznika ścieżki 2!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>Nie udało się ustawić znacznika ścieżki 2!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>Nie udało się ustawić znacznika ścieżki 3!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>Nie udało się ustawić znacznika ścieżki 3!</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>Nie udało się ustawić interfejsu RF!</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>Nie udało się ustawić interfejsu RF!</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>Nie udało się wysłać polecenia inicjującego!</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>Nie udało się zapisać ustawień portu szeregowego!</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>Nie udało się zapisać ustawień portu szeregowego!</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Menedżer wirtualnych przełączników pamięci</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>Odczyt stanu</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Ustawianie stanu</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>Odczyt stanu...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>Ustawianie stanu...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Przetwarzanie...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Odczyt stanu</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>Ustawianie stanu</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>Konfiguracja VMSM ustawiona pomyślnie! <byte value="xd"/>
Wyłącz i włącz ponownie drukarkę.</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>Nie udało się zapisać konfiguracji VMSM!<byte value="xd"/>
Sprawdź stan drukarki.</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>Narzędzie zarządzania VMSM</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM ustawiono pomyślnie!</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>Nie udało się zapisać wirtualnych przełączników pamięci!!<byte value="xd"/>
Sprawdź stan drukarki</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>Narzędzie zarządzania ogólnego</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>Pobieranie zostało zatrzymane...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Menedżer obrazów NV</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>W toku...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>Otwieranie portu...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>Sprawdzanie drukarki...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>Odczyt adresów obrazów NV...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>Usuwanie wybranego obrazu NV...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>Usuwanie wszystkich obrazów NV...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>Rozpoczynanie pobierania...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>Drukowanie wszystkich obrazów NV...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>Drukowanie wybranego obrazu NV...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>Kończenie pobierania...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>Nie udało się odczytać adresów obrazów NV!</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> Nieobsługiwana operacja!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> Nie udało się zapisać danych!<byte value="xd"/>
Sprawdź drukarkę.</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>Nie wybrano pliku mapy bitowej.</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>Obszar obrazów NV jest za mały!</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>Odczyt adresów obrazów NV</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>Usuwanie wybranego obrazu NV</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>Usuwanie wszystkich obrazów NV</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>Pobieranie obrazu....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>Drukowanie wszystkich obrazów NV...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>Drukowanie wybranego obrazu NV...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>Otwieranie portu..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>Sprawdzanie drukarki...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>Odczyt adresów obrazów NV</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>Usuwanie wybranego obrazu NV</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>Usuwanie wszystkich obrazów NV</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>Rozpoczynanie pobierania....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>Drukowanie wszystkich obrazów NV</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>Drukowanie wybranego obrazu NV</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>Kończenie pobierania....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>Nie udało się odczytać adresów obrazów NV!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> Nie udało się zapisać danych!<byte value="xd"/>
Sprawdź drukarkę!</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>Nie udało się zapisać danych!<byte value="xd"/>
Sprawdź drukarkę!</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>Nie wybrano pliku mapy bitowej.</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>Obszar obrazów NV jest za mały!</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>Brak wolnych kodów adresu!</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>Anulowano pobieranie obrazu.</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>Nie udało się wczytać pliku obrazu!</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>Kod adresu musi mieć dwa znaki!</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>Adres już istnieje!</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>Gotowe do pobrania oprogramowania sprzętowego.</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>Pobieranie oprogramowania sprzętowego...Nie wyłączaj drukarki!!!</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>Pobrano oprogramowanie sprzętowe; uruchom ponownie drukarkę!</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>Błąd : nie można otworzyć pliku!</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>Błąd : nie można otworzyć portu! Sprawdź drukarkę</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>Błąd : wysyłanie nie powiodło się!</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>Pomyślnie pobrano oprogramowanie sprzętowe!</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>Plik obrazu nie zawiera pikseli!</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>Odczyt stanu : %1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>Ustawianie stanu : %1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>Odczyt stanu : %1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>Ustawianie stanu : %1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>Ukończono....: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>Ukończono..: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>Pobieranie %1...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>Obraz jest zbyt płaski: przy szerokości %1 punktów nie zostaje żaden wiersz!</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>Obraz jest za duży na jeden obraz NV: %1 bajtów rastra, najwyżej %2 (najwyżej 1365 wierszy przy 384 punktach)!</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>Drukarka zamknęła połączenie.</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>Drukarka nie przyjęła zapytania.</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>Drukarka zgłasza innego producenta.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>Odpowiedź drukarki nie podaje modelu.</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>Brak odpowiedzi w ciągu %1 s.</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>Brak odpowiedzi w ciągu %1 s; wcześniejsze odpowiedzi trwały %2 s: drukarka może być zajęta innym klientem.</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>Wcześniejsze odpowiedzi trwały %1 s: drukarka może być zajęta innym klientem.</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>Drukarka zgłasza model „%1”.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>Odpowiedź drukarki „%1” nie podaje modelu.</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Nieprawidłowa wartość!</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>Nieprawidłowy format HEXA!!</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>Znacznik dłuższy niż 10 ( zakres długości : 1~10 )</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>Znacznik ma nieprawidłową wartość (0x20~0x7F)</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>Zapisywanie anulowano. Do drukarki nic nie zapisano.</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>Zapisywanie anulowano po jego rozpoczęciu: niektóre ustawienia mogą już być w drukarce.<byte value="xd"/>
Przed zmianą odczytaj ustawienia ponownie.</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 nie istnieje: drukarka nie jest podłączona albo nazwa portu jest błędna (`pelmora ports` wyświetla listę portów).</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 nie jest portem, przez który można połączyć się z drukarką (`pelmora ports` wyświetla listę portów).</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>Odmowa dostępu do %1 (poproś administratora tego komputera o dostęp do portu).</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>Odmowa dostępu do %1: dołącz do grupy %2 (sudo usermod -aG %2 $USER, a następnie zaloguj się ponownie).</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 jest używany przez inny program: zamknij go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 jest używany przez inny program, %2: zamknij go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 odrzucił połączenie: nic nie nasłuchuje na tym porcie (sprawdź adres i port drukarki).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>%1 jest nieosiągalny: brak trasy do niego (sprawdź adres i połączenie sieciowe tego komputera).</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 nie przyjął połączenia w ciągu %2 s (sprawdź, czy drukarka jest włączona i czy adres jest poprawny).</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>Nazwa hosta w %1 jest nieznana (sprawdź jej pisownię albo podaj adres IP drukarki).</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 nie jest adresem, jaki może mieć drukarka.</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 został otwarty, ale żadna drukarka nie utrzymuje sygnału DSR: jest wyłączona lub niepodłączona.</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 nie przyjął ustawień linii.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Nie można otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>W ciągu %2 s nadeszły dane (bajtów: %1), ale nie odpowiedź drukarki: na tym łączu odpowiada coś innego (sprawdź port, a przy łączu szeregowym także jego prędkość).</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>O programie Pelmora</translation>
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
        <translation>Licencja: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Znajdź drukarki</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>Znalezione drukarki:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adresy:</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>Port TCP:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>Użyj tej drukarki</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>Wpisz adresy do przeszukania.</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>Wpisz port TCP od 1 do 65535.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>Zatrzymano po %1 z %2 adresów; znalezione drukarki: %3</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%1 z %2 adresów; znalezione drukarki: %3</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>Ten komputer nie ma portu szeregowego, Bluetooth ani USB dla drukarek.</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>Porty tego komputera: odpytano %1 z %2; znalezione drukarki: %3</translation>
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
        <translation>Pominięto: %1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>To nie MPT-Q700VII: %1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1; okno główne przyjmuje tylko adresy IPv4</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>Odpytywanie...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfejs</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drukarka</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Ustawienia komunikacji</translation>
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
        <translation>Interfejs :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Szybkość transmisji :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Bity danych :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Bity stopu :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parzystość :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Sterowanie przepływem :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Menedżer wirtualnych przełączników pamięci</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Menedżer obrazów NV</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Menedżer oprogramowania sprzętowego</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>&amp;O programie Pelmora</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Wybierz menu 
 Ta aplikacja to Pelmora. Możesz zmienić ustawienia komunikacji i stronę kodową, pobrać obrazy NV itp.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora dla PC V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>BRAK</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>Brak podłączonej drukarki USB!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>uszkodzone wiersze</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>Nie udało się odczytać niektórych zapisanych ustawień komunikacji (%1) w %2.
Okno pokazuje wartości domyślne; zapis zmienia dopiero „Zakończ”.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>Drukarka USB %1 (%2) nie jest już podłączona.
Wybierz ponownie „USB”, aby wyświetlić obecne drukarki.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>„%1” nie jest adresem IPv4.
Wpisz cztery liczby od 0 do 255 oddzielone kropkami, np. 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>„%1” nie jest portem TCP.
Wpisz liczbę od 1 do 65535.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>Nie udało się zapisać ustawień komunikacji w %1.</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>Znajdź drukarki...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>Ustawienia komunikacji</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>Komunikacja TCP/IP</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Menedżer wirtualnych przełączników pamięci</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>Menedżer NV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
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
        <translation>Szybkość :</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>„%1” nie jest adresem IPv4.
Wpisz cztery liczby od 0 do 255 oddzielone kropkami, np. 192.168.1.1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>„%1” nie jest portem TCP.
Wpisz liczbę od 1 do 65535.</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>Drukarka przyjęła ustawienia, ale nie udało się ich zapisać.
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>Nie udało się zapisać ustawień komunikacji.
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>Nie udało się odczytać zapisanych ustawień; ekran pokazuje wartości domyślne.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>Szybkość druku :</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>Gęstość druku :</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Domyślna czcionka</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>Domyślna strona kodowa</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>Zaawansowane..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>Tryb wyzwalania MSR</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>Usługa :</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Paragon</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>Pozycja odrywania :
&lt;0~640 jednostek&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>Sygnał końca rolki papieru</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>Sygnał niskiego stanu baterii</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>Tryb znaków dwubajtowych</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>Konfiguracja interfejsu szeregowego</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Szybkość :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Parzystość :</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>Długość danych :</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>Bity stopu :</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>Czas automatycznego wyłączenia<byte value="xd"/>
&lt;0~90 min&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>Czas automatycznego<byte value="xd"/>
oszczędzania &lt;10~255 s&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>Zezwól na zmianę ustawień BT</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Uwierzytelnianie i szyfrowanie</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>Tryb połączenia</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>Tryb1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>Tryb2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>Tryb3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>Kod PIN &lt;maks. 12 znaków&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>Nazwa drukarki &lt;maks. 30 znaków&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;Krok%1-%2&gt; Menedżer  VMSM</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>Menedżer VMSM</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>Anulować menedżera VMSM?</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Wpisz dodatnią liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>Liczba znaków nie może przekroczyć %1 (tylko Latin-1).</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>Ustawienia drukarki 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>Ustawienia drukarki 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>Interfejs drukarki</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Strony ustawień</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>Gęstość</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>jednostki (0~%1)</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>min (0~%1 np. 30)</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>s (0, 10~%1 np. 100)</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>Konfiguracja MSR</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Zaawansowane</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>Konfiguracja interfejsu szeregowego</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>Włącz ustawienia Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>Konfiguracja interfejsu Bluetooth</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>Zaawansowane ustawienia MSR</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>Ustawienia znaczników MSR</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>Opcja znaczników</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Stały</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Zmienny</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>Ścieżka 1 początek</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>Ścieżka 2 początek</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>Ścieżka 3 początek</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>Ścieżka 1 koniec</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>Ścieżka 2 koniec</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>Ścieżka 3 koniec</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII (np.: &quot;START(1)&quot;)</translation>
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
        <translation>HEXA (np.: \&quot;0A 1F 10 4C\&quot;)</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII (np.: \&quot;START(1)\&quot;)</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>Menedżer pobierania oprogramowania sprzętowego</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Postęp pobierania</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>Stan : </translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>Wybierz plik oprogramowania sprzętowego (*.fls). </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Rozpocznij pobieranie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>Plik oprogramowania sprzętowego(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>Nie można otworzyć %1 do odczytu i zapisu.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>Plik %1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 jest folderem.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>Plik %1 jest większy niż %2 MiB.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Nie udało się odczytać %1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Menedżer obrazów NV</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Jasność </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>Jak po wydruku</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>Pokazuje punkty, które drukarka zapisze dla tego obrazu</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>Zmień zakres kolorów</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Lista obrazów</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkcje</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Dodaj obraz</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>Usuwa wybrane mapy bitowe z listy</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>Automatyczne adresowanie</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>Lista obrazów NV</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>Drukuj wszystko</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>Kasuje wybrany obraz z drukarki</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>Lista plików obrazów</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>Automatyczne adresowanie</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>Narzędzie do zarządzania NV</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;Obrazy: %1/%2 - Pamięć: %3/%4 (bajty)&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>Pliki obrazów(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>Wszystkie pliki obrazów(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>Nie wybrano pliku mapy bitowej.</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>Czy usunąć wszystkie zaznaczone elementy?</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>Wybierz adres!</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>Nie udało się zapisać listy obrazów.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Menedżer obrazów NV</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>Adres NV</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>Kod adresu : </translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>Kod adresu :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>Nieprawidłowa wartość!</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>W toku...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Przetwarzanie...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Anulowanie...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>Drukarka przyjęła ustawienia, ale nie udało się ich zapisać: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Wprowadź liczbę całkowitą z zakresu od %1 do %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Wprowadź dodatnią liczbę całkowitą.</translation>
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
        <translation>Narzędzie do zarządzania NV</translation>
    </message>
</context>
</TS>
