#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace platform {
namespace {

QMessageBox::Icon qtIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::Stop: return QMessageBox::Critical;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString runFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& filter,
                      const QString& defaultSuffix)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(mode);
    // The programs never checked that a chosen file exists; their commands report it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtNameFilter(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    // No question before replacing a file: the programs never asked one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class QtDialogs final : public Dialogs {
public:
    bool ask(QWidget* owner, const QString& title, const QString& text, Icon icon) override
    {
        QMessageBox box(qtIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, owner);
        return box.exec() == QMessageBox::Yes;
    }

    void tell(QWidget* owner, const QString& title, const QString& text, Icon icon) override
    {
        QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, owner);
        box.exec();
    }

    QString openFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) override
    {
        return runFileDialog(owner, QFileDialog::AcceptOpen, filter, defaultSuffix);
    }

    QString saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) override
    {
        return runFileDialog(owner, QFileDialog::AcceptSave, filter, defaultSuffix);
    }
};

} // namespace

QString qtNameFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    const QString description = filter.left(bar);
    const QString pattern = filter.mid(bar + 1);
    // Qt filters by the last parenthesised list; a description that already ends in one
    // is shown as it is when that list is the pattern itself.
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (description.endsWith(QLatin1Char(')')) && open >= 0
        && QStringView(description).sliced(open + 1, description.size() - open - 2) == pattern)
        return description;
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

void setApplicationTitle(const QString& title)
{
    QApplication::setApplicationDisplayName(title);
}

QString applicationTitle()
{
    return QApplication::applicationDisplayName();
}

Dialogs& systemDialogs()
{
    static QtDialogs dialogs;
    return dialogs;
}

void showError(Dialogs& dialogs, QWidget* owner, const QString& message)
{
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    dialogs.tell(owner, QApplication::applicationDisplayName(), text, Dialogs::Icon::Stop);
}

} // namespace platform
