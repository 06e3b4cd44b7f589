#include "fields/rule_context.h"

#include "fields/platform.h"

using namespace Qt::Literals::StringLiterals;

void PlatformRuleContext::message(const QString &text)
{
    ++m_messages;
    Platform::instance().message(text);
}

void PlatformRuleContext::beep()
{
    Platform::instance().beep();
}

void PlatformRuleContext::focusBack()
{
    m_focus = {FocusRequest::Kind::Back, {}};
}

void PlatformRuleContext::focusTo(const QString &name)
{
    m_focus = {FocusRequest::Kind::To, name};
}

void RecordingRuleContext::message(const QString &text)
{
    m_log << u"message: "_s + text;
    m_messages << text;
}

void RecordingRuleContext::beep()
{
    m_log << u"beep"_s;
    ++m_beeps;
}

void RecordingRuleContext::focusBack()
{
    m_log << u"focusBack"_s;
    m_focus = {FocusRequest::Kind::Back, {}};
}

void RecordingRuleContext::focusTo(const QString &name)
{
    m_log << u"focusTo: "_s + name;
    m_focus = {FocusRequest::Kind::To, name};
}

void RecordingRuleContext::clear()
{
    m_log.clear();
    m_messages.clear();
    m_beeps = 0;
    m_focus = {};
}
