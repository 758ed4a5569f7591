#include "controls/talmessageboxanswers.h"

namespace {
TalMessageBoxAnswers::Hook& current()
{
    static TalMessageBoxAnswers::Hook hook;
    return hook;
}
} // namespace

void TalMessageBoxAnswers::setHook(Hook hook)
{
    current() = std::move(hook);
}

const TalMessageBoxAnswers::Hook& TalMessageBoxAnswers::hook()
{
    return current();
}
