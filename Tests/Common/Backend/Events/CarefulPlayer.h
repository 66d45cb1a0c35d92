// CarefulPlayer: a stand-in for the player in whole-game tests and
// benchmarks. It queues every notice the events raise and, when asked,
// answers them through the backend's NoticePlayer the usual careful way: it
// repairs damaged planes, replaces a crashed plane with the cheapest model
// that flies its route (or shuts the route down), takes every agency offer,
// pays food-poisoning settlements and flies every charity and VIP offer with
// the first plane that can. Smuggling offers and the bank's rate questions
// it leaves alone. It also counts the notices and the events fired, and
// keeps the first game-over reason. A test that plays differently changes
// `Answers` and `AnswerTo`, or looks at each outcome in `Answered`.
#pragma once

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/EventListener.h"
#include "Common/Backend/NoticePlayer.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"

#include <cstdint>
#include <map>
#include <vector>

class CarefulPlayer : public NoticeSink, public EventListener
{
public:
    struct Pending
    {
        int32_t number;
        Plane* plane;
        AirportDetails* airport;
    };

    virtual ~CarefulPlayer() = default;

    void ShowNotice(int32_t notice) override
    {
        queue.push_back({notice, Enviroment::GetDialogPlane(), Enviroment::GetDialogAirport()});
        ++notices[notice];
    }
    void GameOver(int32_t reason) override
    {
        if (gameOver == 0)
            gameOver = reason;
    }
    void OnEvent(ScheduledEvent* event) override { ++fired[event->GetType()]; }

    // Answers the notices raised since the last call.
    void Answer()
    {
        std::vector<Pending> now;
        now.swap(queue);
        const Time today = TimeSimulation::GetCurrGameTime();
        for (const Pending& n : now)
        {
            if (Answers(n.number))
                Answered(n, NoticePlayer::Play(n.number, n.plane, n.airport, AnswerTo(n.number), today),
                         today);
        }
    }

    std::vector<Pending> queue;
    std::map<int32_t, int> notices;
    std::map<int32_t, int64_t> fired;
    int32_t gameOver = 0;

protected:
    virtual bool Answers(int32_t notice) const
    {
        return notice != Notices::SMUGGLING_OFFER && notice != Notices::CHANGE_RATE &&
               notice != Notices::CREDIT_FINE;
    }
    virtual NoticePlayer::Answer AnswerTo(int32_t notice) const
    {
        NoticePlayer::Answer answer = NoticePlayer::Usual(notice);
        answer.model = NoticePlayer::CHEAPEST_MODEL;
        return answer;
    }
    virtual void Answered(const Pending&, const NoticePlayer::Outcome&, const Time&) {}
};
