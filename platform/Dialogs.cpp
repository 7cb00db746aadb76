#include "Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

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
    // The list shows the description exactly as written; the pattern, in the last
    // parentheses, filters and is not shown a second time.
    dialog.setNameFilters(qtNameFilters(filter));
    // A name typed without an extension takes the chosen type's ("*.mid" gives "mid"). The
    // signal carries the description as shown; the pattern is the one written after it.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, parts](const QString& shown) {
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            if (parts[i].trimmed() == shown.trimmed() && parts[i + 1].startsWith(QStringLiteral("*.")))
                dialog.setDefaultSuffix(parts[i + 1].mid(2));
    });
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setDefaultSuffix(defaultSuffix);
    // No question before replacing a file: the programs never asked one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The programs write a line break as CR (the Windows way); some styles and fonts draw a
// lone CR as a space. Every CR, LF and CR LF becomes one line break, and the text is shown
// as it is written: a file name with "<" in it is no markup.
int runBox(QWidget* owner, Dialogs::Icon icon, const QString& title, const QString& text,
           QMessageBox::StandardButtons buttons)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(qtIcon(icon), title, lines, buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

class QtDialogs final : public Dialogs {
public:
    bool ask(QWidget* owner, const QString& title, const QString& text, Icon icon) override
    {
        return runBox(owner, icon, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

    void tell(QWidget* owner, const QString& title, const QString& text, Icon icon) override
    {
        runBox(owner, icon, title, text, QMessageBox::Ok);
    }

    QString openFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) override
    {
        return runFileDialog(owner, QFileDialog::AcceptOpen, filter, defaultSuffix);
    }

    QString saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) override
    {
        return runFileDialog(owner, QFileDialog::AcceptSave, filter, defaultSuffix);
    }

    std::optional<QString> inputText(QWidget* owner, const QString& title, const QString& prompt,
                                     const QString& preset) override
    {
        QInputDialog dialog(owner);
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(preset);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    }

    std::optional<QColor> chooseColour(QWidget* owner, const QColor& preset,
                                       const QList<QColor>& customColours) override
    {
        // Qt keeps the custom colours for the run: put in once, they keep what the user adds.
        if (!customColoursGiven_) {
            customColoursGiven_ = true;
            // Qt numbers its two rows of custom colours column by column; the list reads
            // row by row.
            const int rows = 2;
            const int columns = QColorDialog::customCount() / rows;
            for (int i = 0; i < customColours.size() && i < QColorDialog::customCount(); ++i)
                QColorDialog::setCustomColor(i / columns + rows * (i % columns), customColours.at(i));
        }
        QColorDialog dialog(preset, owner);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selectedColor();
    }

private:
    bool customColoursGiven_ = false;
};

} // namespace

QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {filter};
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return filters;
}

namespace {
QString& titleStore()
{
    static QString title;
    return title;
}
} // namespace

// Not Qt's display name: the window system plugins append that to every window title that
// does not already end with it ("UYARI — Tezvan ..."), and each box has a title of its own.
void setApplicationTitle(const QString& title)
{
    titleStore() = title;
}

QString applicationTitle()
{
    // Unset (tests, tools), the display name stands in; it defaults to the application name.
    return titleStore().isNull() ? QApplication::applicationDisplayName() : titleStore();
}

Dialogs& systemDialogs()
{
    static QtDialogs dialogs;
    return dialogs;
}

bool loadQtTurkish()
{
    static QTranslator* turkish = nullptr;
    if (turkish)
        return true;
    auto* translator = new QTranslator(qApp);
    if (!translator->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    turkish = translator;
    return true;
}

void showError(Dialogs& dialogs, QWidget* owner, const QString& message)
{
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    dialogs.tell(owner, applicationTitle(), text, Dialogs::Icon::Stop);
}

} // namespace platform
