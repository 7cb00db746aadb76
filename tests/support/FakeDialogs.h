#pragma once
// Message boxes and file dialogs answered by the test: each question takes the next
// scripted answer (No when none is left), each file dialog the next scripted name
// (cancel when none is left), each input box the next scripted text (nothing: cancel,
// also when none is left), and every box shown is logged; whenShown, when set, sees
// each one as it shows.

#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace testing_support {

class FakeDialogs final : public platform::Dialogs {
public:
    struct Shown {
        enum Kind { Ask, Tell, Open, Save, Input, Colour } kind;
        QString title;
        QString text; // for file dialogs: the filter; for input boxes: the prompt
        Icon icon;
        QString defaultSuffix;
        QString preset = {};
    };

    bool ask(QWidget*, const QString& title, const QString& text, Icon icon) override
    {
        shown.push_back({Shown::Ask, title, text, icon, {}});
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    void tell(QWidget*, const QString& title, const QString& text, Icon icon) override
    {
        shown.push_back({Shown::Tell, title, text, icon, {}});
        if (whenShown)
            whenShown(shown.back());
    }

    QString openFileName(QWidget*, const QString& filter, const QString& suffix) override
    {
        shown.push_back({Shown::Open, {}, filter, Icon::None, suffix});
        return nextName();
    }

    QString saveFileName(QWidget*, const QString& filter, const QString& suffix) override
    {
        shown.push_back({Shown::Save, {}, filter, Icon::None, suffix});
        return nextName();
    }

    std::optional<QString> inputText(QWidget*, const QString& title, const QString& prompt,
                                     const QString& preset) override
    {
        shown.push_back({Shown::Input, title, prompt, Icon::None, {}, preset});
        if (inputs.empty())
            return std::nullopt;
        std::optional<QString> typed = inputs.front();
        inputs.pop_front();
        return typed;
    }

    std::optional<QColor> chooseColour(QWidget*, const QColor& preset, const QList<QColor>& custom) override
    {
        shown.push_back({Shown::Colour, {}, {}, Icon::None, {}});
        colourPresets.push_back(preset);
        customColours = custom;
        if (colours.empty())
            return std::nullopt;
        const std::optional<QColor> c = colours.front();
        colours.pop_front();
        return c;
    }

    std::deque<bool> answers;
    std::deque<std::optional<QString>> inputs;
    // The colour dialog's answers (cancel when none is left), and what it was shown with.
    std::deque<std::optional<QColor>> colours;
    std::vector<QColor> colourPresets;
    QList<QColor> customColours;
    std::deque<QString> fileNames;
    std::vector<Shown> shown;
    std::function<void(const Shown&)> whenShown;

private:
    QString nextName()
    {
        if (fileNames.empty())
            return {};
        QString n = fileNames.front();
        fileNames.pop_front();
        return n;
    }
};

} // namespace testing_support
