// NoticePlayer: answers a notice the way a player at the notice screens does.
//
// The events open notices; a stand-in for the player must then press the
// buttons a real one would, in the same order and with the same draws
// (offer terms are drawn when the notice is laid out, whatever the answer).
// This is that player's one hand: skyreach-sim answers its scripted notices
// through it, and the whole-game tests and benchmarks answer theirs. It acts
// only through NoticeActions, so it plays by the rules of the screens, and
// reports what the answer did so a caller can print or check it.
#pragma once

#include "Common/Backend/Time.h"

#include <cstdint>

class AirportDetails;
class Plane;

class NoticePlayer
{
public:
    // A plane crash's replacement: the crashed plane's own model, or the
    // cheapest model on sale that flies the route.
    static constexpr int32_t SAME_MODEL = -1;
    static constexpr int32_t CHEAPEST_MODEL = -2;

    // The player's answer to one notice.
    struct Answer
    {
        // Take what the notice offers: repair the damaged plane, replace the
        // crashed one, accept the smuggling or agency offer, fly the charity
        // or VIP flight with the first plane that fits. False declines: the
        // plane stays damaged, the crashed plane's route shuts down, the
        // offer is rejected or let pass.
        bool take = true;
        // Notices 10 and 11: the new installment rate; 0 keeps the rate in
        // force. Either way it is kept within what the cash can pay.
        int32_t rate = 0;
        // Notice 46: the replacement's model, a model index or one of the two above.
        int32_t model = SAME_MODEL;
    };
    // The usual answer to a notice: everything is taken but a smuggling run.
    static Answer Usual(int32_t notice);

    // What an answer did.
    struct Outcome
    {
        // "repaired", "damaged", "no spare parts", "can't afford" (45),
        // "replaced", "shut down" (46), "accepted", "rejected" (53, 60),
        // "assigned", "not assigned", "no free plane" (64, 73); null for a
        // notice that only informs.
        const char* result = nullptr;
        // By notice: the repair cost (45), the payment (53), the fine (11,
        // 54), the settlement (88), the reward (56).
        int64_t amount = 0;
        int32_t tickets = 0;    // 60
        int32_t discount = 0;   // 60
        int32_t rate = 0;       // 10, 11: the rate now in force
        Plane* plane = nullptr; // the replacement (46) or the plane assigned (64, 73)
        int32_t shown = 0;      // the notice shown in the answer's place: no free plane (70, 79)
    };

    // Answers notice `notice` about `plane` or `airport` (the dialog subjects
    // when it opened) at `now`.
    static Outcome Play(int32_t notice, Plane* plane, AirportDetails* airport, const Answer& answer,
                        const Time& now);
};
