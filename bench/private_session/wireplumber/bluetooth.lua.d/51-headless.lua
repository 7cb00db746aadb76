-- No Bluetooth in the private session: its monitor asks systemd-logind for the seat, and
-- where there is no logind (a container, a chroot) WirePlumber then quits.
bluez_monitor.enabled = false
