#pragma once
// The icon list of the main window (`ImageList1`): the context menu's icons by index, each
// at 16 x 16 pixels and at twice that for dense screens. The pictures are drawn at build
// time by our artwork tool.

#include <QIcon>
#include <QObject>
#include <vector>

namespace tezvan {

class ImageList final : public QObject {
    Q_OBJECT
public:
    explicit ImageList(QObject* parent);

    int count() const { return int(icons_.size()); }
    // The icon of that index; a null icon for an index the list does not hold.
    QIcon icon(int index) const;

private:
    std::vector<QIcon> icons_;
};

} // namespace tezvan
