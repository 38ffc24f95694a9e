// A host outside the project: creates a ZVCalendar through the library's
// entry points, sets its date early-bound and reads it back late-bound.
#include "zvcal/ZVCal.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ComPtr<IClassFactory> factory;
    if (DllGetClassObject(zvcal::CLSID_ZVCalendar, IID_IClassFactory, factory.putVoid()) != S_OK)
        return 1;
    ComPtr<_ZVCalendar> calendar;
    if (factory->CreateInstance(nullptr, zvcal::IID__ZVCalendar, calendar.putVoid()) != S_OK)
        return 2;
    calendar->put_calValue(35524); // 4 April 1997
    DISPID id = DISPID_UNKNOWN;
    QList<Variant> none;
    Variant value;
    if (calendar->GetIDsOfNames(QStringLiteral("calValue"), &id) != S_OK
        || calendar->Invoke(id, DISPATCH_PROPERTYGET, none, &value, nullptr) != S_OK)
        return 3;
    std::printf("calValue=%g\n", value.toDate());
    return 0;
}
