// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Every key of the keyboard reaches a key-down handler with its classic key code, taken
// from the key itself: the main block by its place on a US keyboard whatever the
// layout (Latin letters by the letter the layout types), the other keys by what they are.
#include "platform/qt/window/key_codes.h"

#include <QKeyEvent>
#include <QtTest>

using namespace tappon;

Q_DECLARE_METATYPE(tappon::NativeKeys)

class KeyCodesTest : public QObject {
    Q_OBJECT

private slots:
    void eachKeyHasItsClassicCode_data()
    {
        QTest::addColumn<NativeKeys>("native");
        QTest::addColumn<quint32>("nativeCode");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("expected");
        const auto toolkit = [](const QByteArray& name, int key, int expected, int modifiers = Qt::NoModifier) {
            QTest::newRow(name) << NativeKeys::None << 0u << key << modifiers << expected;
        };
        for (int i = 0; i < 26; ++i)
            toolkit("letter " + QByteArray(1, char('A' + i)), Qt::Key_A + i, 65 + i);
        for (int i = 0; i < 10; ++i) {
            toolkit("digit " + QByteArray::number(i), Qt::Key_0 + i, 48 + i);
            toolkit("keypad " + QByteArray::number(i), Qt::Key_0 + i, 96 + i, Qt::KeypadModifier);
        }
        for (int i = 0; i < 24; ++i)
            toolkit("F" + QByteArray::number(i + 1), Qt::Key_F1 + i, 112 + i);
        const std::pair<int, int> named[] = {
            {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
            {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},       {Qt::Key_Shift, 16},
            {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},         {Qt::Key_AltGr, 18},
            {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},
            {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},
            {Qt::Key_End, 35},         {Qt::Key_Home, 36},        {Qt::Key_Left, 37},
            {Qt::Key_Up, 38},          {Qt::Key_Right, 39},       {Qt::Key_Down, 40},
            {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},
            {Qt::Key_Super_L, 91},     {Qt::Key_Super_R, 92},     {Qt::Key_Menu, 93},
            {Qt::Key_NumLock, 144},    {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186},
            {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},      {Qt::Key_Plus, 187},
            {Qt::Key_Comma, 188},      {Qt::Key_Minus, 189},      {Qt::Key_Underscore, 189},
            {Qt::Key_Period, 190},     {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
            {Qt::Key_QuoteLeft, 192},  {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
            {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},        {Qt::Key_BracketRight, 221},
            {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},   {Qt::Key_Exclam, 49},
            {Qt::Key_ParenLeft, 57},   {Qt::Key_ParenRight, 48},
        };
        for (const auto& [key, expected] : named)
            toolkit(QKeySequence(key).toString().toUtf8() + " " + QByteArray::number(expected), key, expected);
        // The keypad with Num Lock off takes the codes of the keys its digits stand for.
        toolkit("keypad *", Qt::Key_Asterisk, 106, Qt::KeypadModifier);
        toolkit("keypad +", Qt::Key_Plus, 107, Qt::KeypadModifier);
        toolkit("keypad -", Qt::Key_Minus, 109, Qt::KeypadModifier);
        toolkit("keypad .", Qt::Key_Period, 110, Qt::KeypadModifier);
        toolkit("keypad /", Qt::Key_Slash, 111, Qt::KeypadModifier);
        toolkit("keypad Enter", Qt::Key_Enter, 13, Qt::KeypadModifier);
        toolkit("keypad 8 without Num Lock", Qt::Key_Up, 38, Qt::KeypadModifier);
        toolkit("keypad 5 without Num Lock", Qt::Key_Clear, 12, Qt::KeypadModifier);

        // On X11 the main block goes by its keycode, whatever the layout makes of it.
        const auto placed = [](const QByteArray& name, quint32 keycode, int key, int expected) {
            QTest::newRow(name) << NativeKeys::Xkb << keycode << key << int(Qt::NoModifier) << expected;
        };
        const char* usRows[] = {"1234567890-=", "qwertyuiop[]", "asdfghjkl;'`", "\\zxcvbnm,./"};
        const quint32 rowStarts[] = {10, 24, 38, 51};
        const QByteArray usCodes[] = {"1234567890\xbd\xbb", "QWERTYUIOP\xdb\xdd", "ASDFGHJKL\xba\xde\xc0",
                                      "\xdcZXCVBNM\xbc\xbe\xbf"};
        for (int row = 0; row < 4; ++row)
            for (int i = 0; usRows[row][i]; ++i)
                placed("US " + QByteArray(1, usRows[row][i]), rowStarts[row] + i, Qt::Key_unknown,
                       static_cast<unsigned char>(usCodes[row][i]));
        placed("ISO key left of Z", 94, Qt::Key_Less, 226);
        placed("German ß on the minus key", 20, Qt::Key_ssharp, 189);
        placed("German dead circumflex on the backquote key", 49, Qt::Key_Dead_Circumflex, 192);
        placed("German Z on the Y key", 29, Qt::Key_Z, 90);
        placed("French A on the Q key", 24, Qt::Key_A, 65);
        placed("French & on the 1 key", 10, Qt::Key_Ampersand, 49);
        placed("Russian letter on the A key", 38, Qt::Key_unknown, 65);
        QTest::newRow("X11 keypad keeps its code")
            << NativeKeys::Xkb << 79u << int(Qt::Key_7) << int(Qt::KeypadModifier) << 103;
        QTest::newRow("X11 arrow goes by its key") << NativeKeys::Xkb << 111u << int(Qt::Key_Up) << 0 << 38;
        // On Windows the native virtual key is the classic code.
        QTest::newRow("Windows OEM key") << NativeKeys::Windows << 0xbau << int(Qt::Key_Odiaeresis) << 0 << 0xba;
    }

    void eachKeyHasItsClassicCode()
    {
        QFETCH(NativeKeys, native);
        QFETCH(quint32, nativeCode);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), nativeCode, nativeCode, 0);
        QCOMPARE(int(classicKeyCode(event, native)), expected);
    }
};

QTEST_MAIN(KeyCodesTest)
#include "key_codes_test.moc"
