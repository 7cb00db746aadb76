#include "platform/VirtualKey.h"
#include "support/RowName.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace platform;

namespace {

struct KeyRow {
    const char* name;
    quint32 xkb; // 0: the event carries no native key code
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    quint16 expected; // shortcutWord
};

class VirtualKeyRows : public ::testing::TestWithParam<KeyRow> {};

TEST_P(VirtualKeyRows, GivesTheWindowsShortcutWord)
{
    const KeyRow& r = GetParam();
    const QKeyEvent e(QEvent::KeyPress, r.qtKey, r.modifiers, r.xkb, 0, 0);
    EXPECT_EQ(shortcutWord(e), r.expected);
    EXPECT_EQ(virtualKeyCode(e), quint8(r.expected & 0xFF));
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    PhysicalKey, VirtualKeyRows,
    ::testing::Values(KeyRow{"letter_A", 38, Qt::Key_A, kNone, 'A'},
                      KeyRow{"right_of_L_on_a_Turkish_layout", 47, 0x015E, kNone, vk::Oem1},
                      KeyRow{"right_of_L_on_a_US_layout", 47, Qt::Key_Semicolon, kNone, vk::Oem1},
                      KeyRow{"right_of_that", 48, Qt::Key_Apostrophe, kNone, vk::Oem7},
                      KeyRow{"left_of_1", 49, Qt::Key_QuoteLeft, kNone, vk::Oem3},
                      KeyRow{"keypad_plus", 86, Qt::Key_Plus, kPad, vk::Add},
                      KeyRow{"keypad_minus", 82, Qt::Key_Minus, kPad, vk::Subtract},
                      KeyRow{"keypad_0", 90, Qt::Key_0, kPad, 0x60}, KeyRow{"keypad_1", 87, Qt::Key_1, kPad, 0x61},
                      KeyRow{"keypad_5", 84, Qt::Key_5, kPad, 0x65}, KeyRow{"keypad_9", 81, Qt::Key_9, kPad, 0x69},
                      KeyRow{"F1", 67, Qt::Key_F1, kNone, 0x70}, KeyRow{"F12", 96, Qt::Key_F12, kNone, 0x7B},
                      KeyRow{"azerty_A_in_the_place_of_Q_is_Q", 24, Qt::Key_A, kNone, 'Q'},
                      KeyRow{"unknown_native_code_falls_back_to_the_Qt_key", 100, Qt::Key_S, kNone, 'S'}),
    testing_support::RowName());

INSTANTIATE_TEST_SUITE_P(QtKeyFallback, VirtualKeyRows,
                         ::testing::Values(KeyRow{"letter", 0, Qt::Key_R, kNone, 'R'},
                                           KeyRow{"digit_row_5", 0, Qt::Key_5, kNone, '5'},
                                           KeyRow{"keypad_5", 0, Qt::Key_5, kPad, 0x65},
                                           KeyRow{"keypad_plus", 0, Qt::Key_Plus, kPad, vk::Add},
                                           KeyRow{"keypad_minus", 0, Qt::Key_Minus, kPad, vk::Subtract},
                                           KeyRow{"main_minus", 0, Qt::Key_Minus, kNone, 0xBD},
                                           KeyRow{"S_cedilla_is_right_of_L", 0, 0x015E, kNone, vk::Oem1},
                                           KeyRow{"semicolon", 0, Qt::Key_Semicolon, kNone, vk::Oem1},
                                           KeyRow{"quote_left", 0, Qt::Key_QuoteLeft, kNone, vk::Oem3},
                                           KeyRow{"apostrophe", 0, Qt::Key_Apostrophe, kNone, vk::Oem7},
                                           KeyRow{"F12", 0, Qt::Key_F12, kNone, 0x7B},
                                           KeyRow{"key_without_a_code", 0, Qt::Key_MediaPlay, kNone, 0}),
                         testing_support::RowName());

INSTANTIATE_TEST_SUITE_P(Modifiers, VirtualKeyRows,
                         ::testing::Values(KeyRow{"shift", 38, Qt::Key_A, Qt::ShiftModifier, 0x2041},
                                           KeyRow{"ctrl", 46, Qt::Key_L, Qt::ControlModifier, 0x404C},
                                           KeyRow{"alt", 32, Qt::Key_O, Qt::AltModifier, 0x804F},
                                           KeyRow{"ctrl_alt_shift", 38, Qt::Key_A,
                                                  Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, 0xE041},
                                           KeyRow{"keypad_is_no_bit", 86, Qt::Key_Plus,
                                                  Qt::KeypadModifier | Qt::ControlModifier, 0x4000 | vk::Add}),
                         testing_support::RowName());

TEST(VirtualKey, XkbCodesOutsideTheTableHaveNone)
{
    EXPECT_EQ(virtualKeyFromXkb(0), 0);
    EXPECT_EQ(virtualKeyFromXkb(135), 0);
    EXPECT_EQ(virtualKeyFromXkb(136), 0);
    EXPECT_EQ(virtualKeyFromXkb(0xFFFFFFFF), 0);
}

} // namespace
