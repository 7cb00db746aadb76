-- The private session uses no device of the machine: its one sink is PipeWire's null sink.
-- Without these monitors it needs no udev, and the machine's sound card never becomes the
-- default sink.
alsa_monitor.enabled = false
v4l2_monitor.enabled = false
libcamera_monitor.enabled = false
