// BankActions: what the bank screens and the simulation's bank commands do.
//
// Obtaining a credit, repaying it and changing the monthly installment rate
// each change the company and the credit event on the scheduler together, so
// the game's bank screens and the headless simulation call these operations
// and play by the same rules. The amounts the screens step through are
// described by an AmountRange: a credit moves in hundredths of the largest
// credit the bank offers, a repayment in hundredths of the largest repayment
// possible, and neither can reach zero by stepping down.
#pragma once

#include "Common/Backend/Time.h"

#include <cstdint>

class BankActions
{
public:
    // A credit is never stepped down to this or less by the obtain screen.
    static constexpr int64_t CREDIT_FLOOR = 1000;

    struct AmountRange
    {
        int64_t high = 0;  // the most, where the amount starts
        int64_t step = 0;  // one hundredth of the most (at least 1 when there is a most)
        int64_t floor = 0; // the down button stops at this or at one step, whichever is more

        bool CanRaise(int64_t amount) const { return amount < high; }
        bool CanLower(int64_t amount) const { return amount > floor && amount > step; }
        int64_t Raise(int64_t amount) const;
        int64_t Lower(int64_t amount) const;
    };

    // The bank popup's entries: Obtain while no credit is held and the bank
    // offers one (the worth is positive enough for a thousand), Repay while a
    // credit is held and the cash is positive, Change while a credit is held.
    static bool MayObtain(const Time& now);
    static bool MayRepay();
    static bool MayChangeRate();

    // The largest credit: worth x credit factor / 1000 in whole thousands.
    static AmountRange CreditAmounts(const Time& now);
    // Takes a credit of `amount` (1 .. the largest) and puts the first
    // monthly installment one month ahead. False, changing nothing, when a
    // credit is held or the amount is outside the range.
    static bool ObtainCredit(int64_t amount, const Time& now);

    static AmountRange RepayAmounts();
    // Repays `amount` (1 .. the most the credit and the cash allow); when
    // nothing remains the pending installment events go. False, changing
    // nothing, for an amount outside the range.
    static bool RepayCredit(int64_t amount);

    // Sets the rate (1 .. 30, and no higher than the cash pays when a credit
    // is held). When the monthly installment found the old rate unaffordable
    // (the company's prompt flag), the installment falls due again now: the
    // pending one is moved to `now`, so one installment chain runs on.
    // False, changing nothing, for a rate outside the range.
    static bool SetRate(int64_t percent, const Time& now);
};
