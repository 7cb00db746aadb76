#pragma once
// Every tezvan window is drawn without the system's title bar; its own caption bar moves it.
// Attach to a bar: a left-button press there starts a system move of the bar's window, as
// if the system title bar had been grabbed. Nothing else (double-clicks are the window's).

class QWidget;

namespace tezvan {

void dragWindowByCaptionBar(QWidget* bar);

} // namespace tezvan
