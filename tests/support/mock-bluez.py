#!/usr/bin/python3
"""A private bus with python3-dbusmock's BlueZ, for the Bluetooth tests.

    mock-bluez.py MODE UUID   (MODE: printers, no-adapter, no-bluez or refusing; UUID: the serial profile's)

Prints the bus address, then the adapter's scan state for each line read;
takes everything down at the end of its input."""
import os, subprocess, sys, time
mode, uuid = sys.argv[1:3]
try:
    import dbus, dbusmock
    bus_daemon = subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address=1'],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
except (ImportError, OSError) as missing:
    sys.exit(print('skip:', missing, '(scripts/bootstrap installs it)', flush=True))
address, children = bus_daemon.stdout.readline().strip(), [bus_daemon]
try:
    if mode != 'no-bluez':
        children.append(subprocess.Popen([sys.executable, '-m', 'dbusmock', '--system', '--template', 'bluez5'],
                                         env=dict(os.environ, DBUS_SYSTEM_BUS_ADDRESS=address), stdout=subprocess.DEVNULL))
        bus = dbus.bus.BusConnection(address)
        while not bus.name_has_owner('org.bluez') and children[-1].poll() is None:
            time.sleep(0.05)
        mock = dbus.Interface(bus.get_object('org.bluez', '/'), 'org.bluez.Mock')
    if mode == 'printers':
        mock.AddAdapter('hci0', 'desk')
        for device, name, props in [
                ('AA:BB:CC:00:00:02', 'Headset', {'Paired': True, 'UUIDs': ['0000110b-0000-1000-8000-00805f9b34fb']}),
                ('00:11:22:33:44:55', 'MPT-Q700VII', {'Paired': True, 'Connected': True, 'UUIDs': [uuid]}),
                ('AA:BB:CC:00:00:03', 'Speaker', {'UUIDs': ['0000110b-0000-1000-8000-00805f9b34fb']}),
                ('5E:00:00:00:00:09', 'Beacon', {'AddressType': 'random'}),
                ('11:00:00:00:00:01', 'Not paired', {'Connected': 'retyped'})]:
            bus.get_object('org.bluez', mock.AddDevice('hci0', device, name)).UpdateProperties(
                'org.bluez.Device1', props, dbus_interface='org.freedesktop.DBus.Mock')
    if mode == 'refusing':
        bus.get_object('org.bluez', '/').AddMethod(
            'org.freedesktop.DBus.ObjectManager', 'GetManagedObjects', '', 'a{oa{sa{sv}}}',
            'raise dbus.exceptions.DBusException("not now", name="org.bluez.Error.NotReady")',
            dbus_interface='org.freedesktop.DBus.Mock')
    print(address, flush=True)
    for _ in sys.stdin:
        adapter = bus.get_object('org.bluez', '/org/bluez/hci0').GetAll(
            'org.bluez.Adapter1', dbus_interface='org.freedesktop.DBus.Properties')
        print(bool(adapter['Discovering']), adapter.get('DiscoveryFilter', {}).get('Transport', '-'), flush=True)
finally:
    for child in children:
        child.terminate()
        child.wait()
