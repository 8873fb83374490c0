<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
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
        <translation>Densidad de impresión</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>Velocidad de impresión</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>Página de códigos predeterminada</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Fuente predeterminada</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>Modo de caracteres de doble byte</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>Modo de funcionamiento</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>Posición de corte</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>Pitido al final del rollo</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>Pitido con batería baja</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>Apagado automático (sin conexión)</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>Ahorro de energía automático (con conexión)</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>Activación MSR</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>Opción de centinela</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Velocidad en baudios</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bits de datos</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Autenticación y cifrado</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Modo de conexión</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Código PIN</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nombre de la impresora</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>Código inicial de pista 1</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>Código inicial de pista 2</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>Código inicial de pista 3</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>Código final de pista 1</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>Código final de pista 2</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>Código final de pista 3</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>Fuente A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>Fuente B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>Fuente C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>Fuente A (12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>Fuente B (9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>Lectura de pistas 1/2/3 por comando</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>Lectura automática de pista 1</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>Lectura automática de pista 2</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>Lectura automática de pista 3</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>Lectura automática de pistas 1/2</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>Lectura automática de pistas 2/3</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>Lectura automática de pistas 1/2/3</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>Sin activación MSR</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>Centinela estático</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>Centinela dinámico</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Modo 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modo 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modo 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Ninguna</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>¡Error al abrir el puerto!</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>¡Error al abrir el puerto!</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>¡El modelo de impresora no coincide!</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>¡El nombre del modelo de impresora no coincide!</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>¡No se pudo leer la versión de la impresora!</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>¡No se pudo leer la versión de la impresora!</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>¡No se pudieron restablecer los valores de fábrica!</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>¡No se pudo leer la página de códigos!</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>¡No se pudo leer el modo MSR!</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>¡No se pudieron leer los datos de SW1!</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>¡No se pudieron leer los datos de SW2!</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>¡No se pudieron leer los datos de SW3!</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>¡No se pudieron leer los datos de SW5!</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>¡No se pudieron leer los datos de SW6!</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>¡No se pudieron leer los datos de SW7!</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>¡No se pudieron leer los datos de SW8!</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>¡No se pudo leer la posición de corte!</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>¡No se pudieron leer los datos de SW51!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>¡No se pudieron leer los datos de IFSW1!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>¡No se pudieron leer los datos de IFSW2!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>¡No se pudieron leer los datos de IFSW3!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>¡No se pudieron leer los datos de IFSW4!</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>¡No se pudo leer el código centinela de la pista 1!</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>¡No se pudo leer el código centinela de la pista 1!</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>¡No se pudo leer el código centinela de la pista 2!</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>¡No se pudo leer el código centinela de la pista 2!</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>¡No se pudo leer el código centinela de la pista 3!</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>¡No se pudo leer el código centinela de la pista 3!</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>¡No se pudo leer la interfaz RF!</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>¡No se pudo leer la interfaz RF!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>¡No se pudo leer el modo de conexión Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>¡No se pudo leer el modo de conexión Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>¡No se pudo leer el nombre del dispositivo Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>¡No se pudo leer el nombre del dispositivo Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>¡No se pudo leer el código PIN de Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>¡No se pudo leer el código PIN de Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>¡No se pudo leer la información de cifrado de Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>¡No se pudo leer la información de cifrado de Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>¡No se pudo leer la página de códigos!</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>¡No se pudo leer el modo MSR!</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>¡No se pudieron leer los datos de MSW1!</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>¡No se pudieron leer los datos de MSW1!</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>¡No se pudieron leer los datos de MSW2!</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>¡No se pudieron leer los datos de MSW2!</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>¡No se pudieron leer los datos de MSW3!</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>¡No se pudieron leer los datos de MSW3!</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>¡No se pudieron leer los datos de MSW5!</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>¡No se pudieron leer los datos de MSW5!</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>¡No se pudieron leer los datos de MSW6!</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>¡No se pudieron leer los datos de MSW6!</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>¡No se pudieron leer los datos de MSW7!</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>¡No se pudieron leer los datos de MSW7!</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>¡No se pudieron leer los datos de MSW8!</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>¡No se pudieron leer los datos de MSW8!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>¡No se pudieron leer los datos de IFSW1!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>¡No se pudieron leer los datos de IFSW2!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>¡No se pudieron leer los datos de IFSW3!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>¡No se pudieron leer los datos de IFSW4!</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>¡No se pudo enviar el comando de inicialización!</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>¡No se pudo enviar el comando de fin de configuración!</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>¡No se pudo enviar el comando de fin de configuración!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>¡No se pudieron guardar los ajustes de Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>¡No se pudieron guardar los ajustes de Bluetooth!</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>¡No se pudo enviar el comando de inicialización!</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>¡No se pudieron guardar los datos de MSW1!</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>¡No se pudieron guardar los datos de MSW2!</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>¡No se pudieron guardar los datos de MSW3!</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>¡No se pudieron guardar los datos de MSW5!</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>¡No se pudieron guardar los datos de MSW6!</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>¡No se pudieron guardar los datos de MSW7!</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>¡No se pudieron guardar los datos de MSW8!</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>¡No se pudieron guardar los datos de IFSW1!</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>¡No se pudieron guardar los datos de SW51!</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>¡No se pudieron guardar los datos de IFSW2!</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>¡No se pudieron guardar los datos de IFSW3!</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>¡No se pudieron guardar los datos de IFSW4!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>¡No se pudo establecer el código centinela de la pista 1!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>¡No se pudo establecer el código centinela de la pista 1!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>¡No se pudo establecer el código centinela de la pista 2!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>¡No se pudo establecer el código centinela de la pista 2!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>¡No se pudo establecer el código centinela de la pista 3!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>¡No se pudo establecer el código centinela de la pista 3!</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>¡No se pudo establecer la interfaz RF!</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>¡No se pudo establecer la interfaz RF!</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>¡No se pudo enviar el comando de inicialización!</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>¡No se pudieron guardar los ajustes del puerto serie!</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>¡No se pudieron guardar los ajustes del puerto serie!</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Administrador de interruptores de memoria virtual</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>Leer estado</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Establecer estado</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>Leer estado...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>Establecer estado...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Procesando...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Leer estado</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>Establecer estado</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>¡Configuración VMSM establecida correctamente! <byte value="xd"/>
Apague y encienda la impresora.</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>¡No se pudo guardar la configuración VMSM!<byte value="xd"/>
Compruebe el estado de la impresora.</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>Utilidad de administración VMSM</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>¡VMSM establecido correctamente!</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>¡No se pudieron guardar los interruptores de memoria virtual!<byte value="xd"/>
Compruebe el estado de la impresora.</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>Utilidad de administración general</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>La descarga se ha detenido...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Administrador de imágenes NV</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>En curso...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>Abriendo puerto...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>Comprobando impresora...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>Leyendo direcciones de imágenes NV...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>Eliminando la imagen NV seleccionada...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>Eliminando todas las imágenes NV...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>Iniciando descarga...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>Imprimiendo todas las imágenes NV...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>Imprimiendo la imagen NV seleccionada...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>Finalizando descarga...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>¡No se pudieron leer las direcciones de las imágenes NV!</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> ¡Operación no admitida!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> ¡No se pudieron escribir los datos!<byte value="xd"/>
Compruebe la impresora.</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>No se ha seleccionado ningún archivo de mapa de bits.</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>¡El área de imágenes NV es demasiado pequeña!</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>Leyendo direcciones de imágenes NV</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>Eliminando la imagen NV seleccionada</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>Eliminando todas las imágenes NV</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>Descargando imagen...</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>Imprimiendo todas las imágenes NV...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>Imprimiendo la imagen NV seleccionada...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>Abriendo puerto...</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>Comprobando impresora...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>Leyendo direcciones de imágenes NV</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>Eliminando la imagen NV seleccionada</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>Eliminando todas las imágenes NV</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>Iniciando descarga...</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>Imprimiendo todas las imágenes NV</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>Imprimiendo la imagen NV seleccionada</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>Finalizando descarga...</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>¡No se pudieron leer las direcciones de las imágenes NV!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> ¡No se pudieron escribir los datos!<byte value="xd"/>
¡Compruebe la impresora!</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>¡No se pudieron escribir los datos!<byte value="xd"/>
¡Compruebe la impresora!</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>No se ha seleccionado ningún archivo de mapa de bits.</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>¡El área de imágenes NV es demasiado pequeña!</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>¡No quedan códigos de dirección libres!</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>Se canceló la descarga de la imagen.</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>¡No se pudo cargar el archivo de imagen!</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>¡El código de dirección debe tener dos caracteres!</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>¡La dirección ya existe!</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>Listo para descargar el firmware.</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>Descargando firmware... ¡No apague la impresora!</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>Firmware descargado. ¡Reinicie la impresora!</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>Error: no se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>Error: no se pudo abrir el puerto. Compruebe la impresora.</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>Error: no se pudieron enviar los datos.</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>¡Firmware descargado correctamente!</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>¡El archivo de imagen no tiene píxeles!</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>Leer estado: %1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>Establecer estado: %1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>Leer estado: %1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>Establecer estado: %1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>Completado: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>Completado: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>La imagen es demasiado baja: ¡con %1 puntos de ancho no queda ninguna fila!</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>¡La imagen es demasiado grande para una imagen NV: %1 bytes de trama, como máximo %2 (como máximo 1365 filas con 384 puntos)!</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>La impresora cerró la conexión.</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>La impresora no aceptó la consulta.</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>La impresora indica otro fabricante.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>La respuesta de la impresora no indica ningún modelo.</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>No llegó ninguna respuesta en %1 s.</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>No llegó ninguna respuesta en %1 s; las respuestas anteriores tardaron %2 s: puede que la impresora esté ocupada con otro cliente.</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>Las respuestas anteriores tardaron %1 s: puede que la impresora esté ocupada con otro cliente.</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>La impresora indica el modelo «%1».</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>La respuesta «%1» de la impresora no indica ningún modelo.</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>¡Valor no válido!</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>¡Formato HEXA no válido!</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>La longitud del centinela supera 10 (rango: 1~10)</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>El centinela tiene un valor no válido (0x20~0x7F)</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>Se canceló el guardado. No se escribió nada en la impresora.</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>Se canceló el guardado cuando ya había empezado: puede que algunos ajustes ya estén en la impresora.<byte value="xd"/>
Vuelva a leer los ajustes antes de cambiarlos.</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 no existe: la impresora no está conectada o el nombre del puerto es incorrecto (`pelmora ports` muestra los puertos).</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 no es un puerto por el que se pueda llegar a una impresora (`pelmora ports` muestra los puertos).</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>Permiso denegado en %1 (pida al administrador de este equipo acceso al puerto).</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>Permiso denegado en %1: únase al grupo %2 (sudo usermod -aG %2 $USER y vuelva a iniciar sesión).</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 está en uso por otro programa: ciérrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 está en uso por otro programa, %2: ciérrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 rechazó la conexión: nada escucha en ese puerto (compruebe la dirección y el puerto de la impresora).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>%1 no es accesible: no hay ruta hasta él (compruebe la dirección y la conexión de red de este equipo).</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 no aceptó la conexión en %2 s (compruebe que la impresora está encendida y que la dirección es correcta).</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>El nombre de host de %1 no se conoce (compruebe cómo está escrito o indique la dirección IP de la impresora).</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 no es una dirección que pueda tener una impresora.</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 se abrió, pero ninguna impresora mantiene DSR activo: está apagada o no conectada.</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 no aceptó la configuración de la línea.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>Llegaron %1 bytes en %2 s, pero ninguna respuesta de la impresora: otra cosa responde en este enlace (compruebe el puerto y, en una línea serie, su velocidad).</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>Acerca de Pelmora</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licencia: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Buscar impresoras</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>Impresoras encontradas:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Direcciones:</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>Puerto TCP:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>Usar esta impresora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>Escriba las direcciones que desea buscar.</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>Escriba un puerto TCP de 1 a 65535.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>Detenido tras %1 de %2 direcciones; impresoras encontradas: %3</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%1 de %2 direcciones; impresoras encontradas: %3</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>Este equipo no tiene puertos serie, Bluetooth ni USB para impresoras.</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>Puertos de este equipo: %1 de %2 consultados; impresoras encontradas: %3</translation>
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
        <translation>Omitido: %1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>No es una MPT-Q700VII: %1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1; la ventana principal solo admite direcciones IPv4</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>Consultando...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Ajustes de comunicación</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Puerto TCP</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP: </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Interfaz:</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Velocidad en baudios:</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Control de flujo:</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Administrador de interruptores de memoria virtual</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>Administrador de imágenes NV</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>Administrador de firmware</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>&amp;Acerca de Pelmora</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * Seleccione un menú 
 Esta aplicación es Pelmora. Puede cambiar los ajustes de comunicación y la página de códigos, descargar imágenes NV, etc.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora para PC V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NINGUNO</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>¡No hay ninguna impresora USB conectada!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>líneas dañadas</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>No se pudieron leer algunos ajustes de comunicación guardados (%1) en %2.
La ventana muestra para ellos los valores predeterminados; lo guardado solo cambia al pulsar «Salir».</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>La impresora USB %1 (%2) ya no está conectada.
Elija «USB» de nuevo para ver las impresoras conectadas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>«%1» no es una dirección IPv4.
Escriba cuatro números del 0 al 255 separados por puntos, por ejemplo 192.168.0.10.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>«%1» no es un puerto TCP.
Escriba un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>No se pudieron guardar los ajustes de comunicación en %1.</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>Buscar impresoras...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>Ajustes de comunicación</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>Comunicación TCP/IP</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>Administrador de interruptores de memoria virtual</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>Administrador NV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
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
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Puerto TCP</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>«%1» no es una dirección IPv4.
Escriba cuatro números del 0 al 255 separados por puntos, por ejemplo 192.168.1.1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>«%1» no es un puerto TCP.
Escriba un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>La impresora aceptó los ajustes, pero no se pudieron guardar.
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>No se pudieron guardar los ajustes de comunicación.
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>No se pudieron leer los ajustes guardados; la pantalla muestra los valores predeterminados.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>Velocidad de impresión:</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>Densidad de impresión:</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>Fuente predeterminada</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>Página de códigos predeterminada</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>Avanzado...</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>Modo de activación MSR</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>Modo de funcionamiento:</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>Posición de corte:
&lt;0~640 unidades&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>Pitido al final del rollo</translation>
    </message>
    <message>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>Pitido con batería baja</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>Modo de caracteres de doble byte</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>Configuración de la interfaz serie</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>Longitud de datos:</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>Tiempo de apagado automático<byte value="xd"/>
&lt;0~90 min&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>Ahorro de energía<byte value="xd"/>
automático &lt;10~255 s&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>Permitir cambiar los ajustes BT</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>Autenticación y cifrado</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>Modo de conexión</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>Modo 1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>Modo 2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>Modo 3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>Código PIN &lt;máx. 12 caracteres&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>Nombre de la impresora &lt;máx. 30 caracteres&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;Paso %1 de %2&gt; Administrador VMSM</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>Administrador VMSM</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>¿Salir del administrador VMSM?</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Escriba un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Escriba un número entero positivo.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>Escriba como máximo %1 caracteres, solo Latin-1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>Ajustes de impresora 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>Ajustes de impresora 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>Interfaz de la impresora</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de ajustes</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>Densidad</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>unidades (0~%1)</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>min (0~%1, p. ej. 30)</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>s (0, 10~%1, p. ej. 100)</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>Configuración MSR</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanzado</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>Configuración de la interfaz serie</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>Activar ajustes de Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>Configuración de la interfaz Bluetooth</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>Ajustes avanzados de MSR</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>Ajustes de centinela MSR</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>Opción de centinela</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dinámico</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>Inicio de pista 1</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>Inicio de pista 2</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>Inicio de pista 3</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>Fin de pista 1</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>Fin de pista 2</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>Fin de pista 3</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII (p. ej. &quot;START(1)&quot;)</translation>
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
        <translation>HEXA (p. ej. \&quot;0A 1F 10 4C\&quot;)</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII (p. ej. \&quot;START(1)\&quot;)</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>Administrador de descarga de firmware</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>Estado: </translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>Seleccione el archivo de firmware (*.fls). </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Iniciar descarga</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>Archivo de firmware (*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>No se puede abrir %1 para lectura y escritura.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 es de solo lectura.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 es una carpeta.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 ocupa más de %2 MiB.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Administrador de imágenes NV</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Brillo </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>Como se imprime</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>Muestra los puntos que la impresora guardará para esta imagen</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>Cambiar rango de color</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Lista de imágenes</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Agregar imagen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>Quita de la lista los mapas de bits seleccionados</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>Direccionamiento automático</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>Lista de imágenes NV</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>Imprimir todo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>Elimina de la impresora la imagen seleccionada</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>Lista de archivos de imagen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>Direccionamiento automático</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>Utilidad de administración NV</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;Imágenes: %1/%2 - Memoria: %3/%4 (bytes)&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>Archivos de imagen (*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>Todos los archivos de imagen (%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>No se ha seleccionado ningún archivo de mapa de bits.</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>¿Desea quitar todos los elementos seleccionados?</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>¡Seleccione una dirección!</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>No se pudo guardar la lista de imágenes.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>Administrador de imágenes NV</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>Dirección NV</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>Código de dirección: </translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>Código de dirección:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>¡Valor no válido!</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>En curso...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Procesando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>La impresora aceptó los ajustes, pero no se pudieron guardar: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Escriba un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Escriba un número entero positivo.</translation>
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
        <translation>Utilidad de administración NV</translation>
    </message>
</context>
</TS>
