#pragma once

#include "platform/seams/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

// A Dialogs implementation for tests: every message box and input box is
// recorded and answered from a queue without showing anything.
//
// When the queue of message-box answers is empty the answer is the first
// button of the box (Ok for Ok and OkCancel, Yes for YesNo and YesNoCancel).
// When the queue of input-box texts is empty the answer is the empty text,
// as if the user had cancelled.
class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { MessageBox, InputBox };

    struct Request
    {
        Kind kind = Kind::MessageBox;
        QString text; // message text or input prompt
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString defaultText; // input boxes only
        QString answerText;  // the text an input box returned
        Answer answer = Answer::Ok; // the answer a message box returned
    };

    Answer messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText = {}) override;
    void beep() override;

    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    void queueText(const QString &text) { m_texts.enqueue(text); }

    // Called while a box is "up", after it has been recorded and before it is
    // answered; a test can fire timers or change state here to act during a
    // modal box. The request is already in requests().
    void setWhileOpen(std::function<void(const Request &)> hook) { m_whileOpen = std::move(hook); }

    const QList<Request> &requests() const { return m_requests; }
    QList<Request> messages() const;
    QList<Request> inputs() const;
    int beeps() const { return m_beeps; }
    int pendingAnswers() const { return int(m_answers.size()); }
    int pendingTexts() const { return int(m_texts.size()); }
    void clear();

private:
    QList<Request> m_requests;
    QQueue<Answer> m_answers;
    QQueue<QString> m_texts;
    std::function<void(const Request &)> m_whileOpen;
    int m_beeps = 0;
};

// Installs a ScriptedDialogs for the lifetime of the scope and puts back the
// previously installed implementation afterwards.
class ScriptedDialogsScope
{
public:
    ScriptedDialogsScope();
    ~ScriptedDialogsScope();
    ScriptedDialogsScope(const ScriptedDialogsScope &) = delete;
    ScriptedDialogsScope &operator=(const ScriptedDialogsScope &) = delete;

    ScriptedDialogs &dialogs() { return m_dialogs; }
    ScriptedDialogs *operator->() { return &m_dialogs; }

private:
    ScriptedDialogs m_dialogs;
    Dialogs *m_previous;
};
