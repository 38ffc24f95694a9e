#include "support/ScriptedDialogs.h"

Dialogs::Answer ScriptedDialogs::messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    Request request;
    request.kind = Kind::MessageBox;
    request.text = text;
    request.title = title;
    request.buttons = buttons;
    request.icon = icon;
    const qsizetype index = m_requests.size();
    m_requests.append(request);
    if (m_whileOpen)
        m_whileOpen(request);

    Answer answer = (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
    if (!m_answers.isEmpty())
        answer = m_answers.dequeue();
    m_requests[index].answer = answer;
    return answer;
}

QString ScriptedDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    Request request;
    request.kind = Kind::InputBox;
    request.text = prompt;
    request.title = title;
    request.defaultText = defaultText;
    const qsizetype index = m_requests.size();
    m_requests.append(request);
    if (m_whileOpen)
        m_whileOpen(request);

    const QString text = m_texts.isEmpty() ? QString() : m_texts.dequeue();
    m_requests[index].answerText = text;
    return text;
}

void ScriptedDialogs::beep()
{
    ++m_beeps;
}

QList<ScriptedDialogs::Request> ScriptedDialogs::messages() const
{
    QList<Request> result;
    for (const Request &r : m_requests)
        if (r.kind == Kind::MessageBox)
            result.append(r);
    return result;
}

QList<ScriptedDialogs::Request> ScriptedDialogs::inputs() const
{
    QList<Request> result;
    for (const Request &r : m_requests)
        if (r.kind == Kind::InputBox)
            result.append(r);
    return result;
}

void ScriptedDialogs::clear()
{
    m_requests.clear();
    m_answers.clear();
    m_texts.clear();
    m_beeps = 0;
}

ScriptedDialogsScope::ScriptedDialogsScope() : m_previous(&Dialogs::instance())
{
    Dialogs::install(&m_dialogs);
}

ScriptedDialogsScope::~ScriptedDialogsScope()
{
    Dialogs::install(m_previous);
}
