#pragma once

#include <QString>
#include <QStringList>

// How an entry rule speaks: it shows a message (through Platform), returns the focus
// to the field just left, moves the focus to a named field, beeps. Rules are functions
// of a card model and a context; the editor runs them with the exit wiring's context
// when a field loses the focus, tests with a recording one.
class RuleContext
{
public:
    virtual ~RuleContext() = default;

    virtual void message(const QString &text) = 0;
    virtual void beep() = 0;
    // The focus goes back into the field the rule belongs to.
    virtual void focusBack() = 0;
    // The focus goes to the field (or button) of this component name.
    virtual void focusTo(const QString &name) = 0;
};

// What a rule asked for the focus; the last request counts.
struct FocusRequest
{
    enum class Kind { None, Back, To };
    Kind kind = Kind::None;
    QString target; // the component name for Kind::To

    bool isBack() const { return kind == Kind::Back; }
    bool isMove() const { return kind == Kind::To; }
};

// Shows messages and beeps through Platform::instance() and remembers the focus
// request, which the caller (the exit wiring) carries out after the rule.
class PlatformRuleContext : public RuleContext
{
public:
    void message(const QString &text) override;
    void beep() override;
    void focusBack() override;
    void focusTo(const QString &name) override;

    const FocusRequest &focus() const { return m_focus; }
    int messageCount() const { return m_messages; }

private:
    FocusRequest m_focus;
    int m_messages = 0;
};

// Records what a rule did, for tests: one log line per call ("message: ...", "beep",
// "focusBack", "focusTo: name"), touching nothing.
class RecordingRuleContext : public RuleContext
{
public:
    void message(const QString &text) override;
    void beep() override;
    void focusBack() override;
    void focusTo(const QString &name) override;

    const QStringList &log() const { return m_log; }
    const QStringList &messages() const { return m_messages; }
    int beeps() const { return m_beeps; }
    const FocusRequest &focus() const { return m_focus; }
    bool focusedBack() const { return m_focus.isBack(); }
    // The target of the last focus move, empty when the last request was not a move.
    QString focusTarget() const { return m_focus.isMove() ? m_focus.target : QString(); }
    // Nothing said, no beep, the focus left alone.
    bool silent() const { return m_log.isEmpty(); }
    void clear();

private:
    QStringList m_log;
    QStringList m_messages;
    int m_beeps = 0;
    FocusRequest m_focus;
};
