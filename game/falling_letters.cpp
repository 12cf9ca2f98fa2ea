// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The five letters: respawning, falling, and the judging of typed characters.
#include "game/frmtype.h"

#include "platform/values/checked_int.h"
#include "platform/values/number_text.h"
#include "platform/values/text.h"
#include "platform/window/application.h"
#include "sound/effects.h"

#include <cmath>
#include <limits>

namespace tappon {

namespace {

inline constexpr int kFirstCodeOfLetter0 = 49;  // '1': digits 1-9, : ; < = > ? @ and A-J
inline constexpr int kFirstLowerCase = 97;      // 'a'
inline constexpr Twips kParkedTop = -600;

}  // namespace

void frmtype::respawn(Label& letter, int firstCode)
{
    RandomSource& random = app().services().random;
    const float r1 = random.next();
    letter.setCaption(characterOf(static_cast<std::uint16_t>(std::floor(r1 * 26.0f) + static_cast<float>(firstCode))));
    const float r2 = random.next();
    fallStep = toInt16(r2 * 20.0f + static_cast<float>(baseSpeed));
    const float r3 = random.next();
    letter.setLeft(std::floor(r3 * Picture1.width()) - 200.0f);
    letter.setTop(kParkedTop);
}

void frmtype::init()
{
    respawn(Label1[0], kFirstCodeOfLetter0);
}

void frmtype::init1()
{
    respawn(Label1[1], kFirstLowerCase);
}

void frmtype::init2()
{
    respawn(Label1[2], kFirstLowerCase);
}

void frmtype::init13()
{
    respawn(Label1[4], kFirstLowerCase);
}

void frmtype::init14()
{
    respawn(Label1[3], kFirstLowerCase);
}

void frmtype::Timer1_Timer()
{
    // The order is fixed: a respawn draws a new fall step at once, so the letters
    // after it in this same tick already move by the new step.
    struct Step {
        int index = 0;
        void (frmtype::*respawn)() = nullptr;
    };
    static constexpr Step kOrder[] = {
        {0, &frmtype::init}, {1, &frmtype::init1}, {2, &frmtype::init2}, {4, &frmtype::init13}, {3, &frmtype::init14},
    };
    for (const Step& step : kOrder) {
        Label& letter = Label1[step.index];
        letter.setTop(letter.top() + static_cast<Twips>(fallStep));
        if (letter.top() > Picture1.height())
            (this->*step.respawn)();
    }
}

void frmtype::Picture1_KeyPress(std::int16_t KeyAscii)
{
    struct Target {
        int index = 0;
        std::string_view effect;
        void (frmtype::*respawn)() = nullptr;
    };
    static constexpr Target kTargets[] = {
        {0, kSoundDing, &frmtype::init}, {1, kSoundDing, &frmtype::init1}, {2, kSoundDing, &frmtype::init2},
        {4, kSound2, &frmtype::init13},  {3, kSound2, &frmtype::init14},
    };
    // One key is compared with every letter once; all that show it are hit.
    const std::string c = characterOf(static_cast<std::uint16_t>(KeyAscii));
    for (const Target& target : kTargets) {
        if (Label1[target.index].caption() != c)
            continue;
        playEffectIf(sound.checked(), app().services(), target.effect);
        (this->*target.respawn)();
        // The count stops at its largest value rather than overflow; the hit still
        // sounds and respawns.
        if (hitCount < std::numeric_limits<std::int16_t>::max())
            hitCount = incrementInt16(hitCount);
        Label4.setCaption(numberText(hitCount));
        narrator.hit(hitCount);
    }
}

}  // namespace tappon
