#include "Common/Backend/NoticeSink.h"

namespace
{
NoticeSink* s_noticeSink = nullptr;
}

NoticeSink::~NoticeSink() = default;

NoticeSink* SetNoticeSink(NoticeSink* sink)
{
    NoticeSink* previous = s_noticeSink;
    s_noticeSink = sink;
    return previous;
}

NoticeSink* GetNoticeSink()
{
    return s_noticeSink;
}
