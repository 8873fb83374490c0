<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
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
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>Configuración de comunicación</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>Puerto TCP</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>Interfaz :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Puerto :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>Velocidad en baudios :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>Bits de datos :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>Bits de parada :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>Paridad :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>Control de flujo :</translation>
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
 Esta aplicación es Pelmora. Puede cambiar la configuración de comunicación y la página de códigos, descargar imágenes NV, etc.</translation>
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
La ventana muestra los valores predeterminados; solo «Salir» modifica lo guardado.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>La impresora USB %1 (%2) ya no está conectada.
Elija «USB» de nuevo para ver las impresoras presentes.</translation>
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
        <translation>No se pudo guardar la configuración de comunicación en %1.</translation>
    </message>
</context>
</TS>
