#include "EventPrinter.h"

#include "ControlHost.h"

#include <cstdio>

HRESULT EventPrinter::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != m_events.guid)
        return E_NOINTERFACE;
    *object = static_cast<IDispatch *>(this);
    AddRef();
    return S_OK;
}

ULONG EventPrinter::Release()
{
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT EventPrinter::GetIDsOfNames(const QString &name, DISPID *id)
{
    if (!id)
        return E_POINTER;
    const MemberInfo *m = m_events.member(name);
    *id = m ? m->dispid : DISPID_UNKNOWN;
    return m ? S_OK : DISP_E_UNKNOWNNAME;
}

QString EventPrinter::format(const MemberInfo &event, const QList<Variant> &args, const Variant &calValue)
{
    QString line = event.name;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString name = i < event.params.size() ? event.params[i].name : QStringLiteral("arg%1").arg(i + 1);
        const Variant &a = args[i];
        const QString value = a.type() == VarType::Double ? QString::number(a.toDouble(), 'g', 7) : a.toString();
        line += QStringLiteral(" %1=%2").arg(name, value);
    }
    if (calValue.type() == VarType::Date)
        line += QStringLiteral(" calValue=%1").arg(isoDate(calValue.toDate()));
    return line;
}

HRESULT EventPrinter::Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep)
{
    Q_UNUSED(kind);
    Q_UNUSED(result);
    Q_UNUSED(excep);
    const MemberInfo *event = m_events.member(id);
    if (!event)
        return DISP_E_MEMBERNOTFOUND;
    Variant calValue;
    DISPID valueId = DISPID_UNKNOWN;
    if (SUCCEEDED(m_control->GetIDsOfNames(QStringLiteral("calValue"), &valueId))) {
        QList<Variant> none;
        m_control->Invoke(valueId, DISPATCH_PROPERTYGET, none, &calValue, nullptr);
    }
    const QByteArray line = format(*event, args, calValue).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
    return S_OK;
}
