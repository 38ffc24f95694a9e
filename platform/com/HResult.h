#pragma once

#include <cstdint>

// Result codes of the in-process server layer. Negative values are failures.
using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
constexpr HRESULT E_NOINTERFACE = HRESULT(0x80004002u);
constexpr HRESULT E_POINTER = HRESULT(0x80004003u);
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT E_UNEXPECTED = HRESULT(0x8000FFFFu);
constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
constexpr HRESULT CLASS_E_NOAGGREGATION = HRESULT(0x80040110u);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = HRESULT(0x80040111u);
constexpr HRESULT CONNECT_E_NOCONNECTION = HRESULT(0x80040200u);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = HRESULT(0x80040202u);
constexpr HRESULT SELFREG_E_TYPELIB = HRESULT(0x80040200u);
constexpr HRESULT SELFREG_E_CLASS = HRESULT(0x80040201u);
constexpr HRESULT DISP_E_UNKNOWNINTERFACE = HRESULT(0x80020001u);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = HRESULT(0x80020003u);
constexpr HRESULT DISP_E_TYPEMISMATCH = HRESULT(0x80020005u);
constexpr HRESULT DISP_E_UNKNOWNNAME = HRESULT(0x80020006u);
constexpr HRESULT DISP_E_EXCEPTION = HRESULT(0x80020009u);
constexpr HRESULT DISP_E_OVERFLOW = HRESULT(0x8002000Au);
constexpr HRESULT DISP_E_BADPARAMCOUNT = HRESULT(0x8002000Eu);
// A control's own error numbers travel in the low word of this facility;
// 380 "Invalid property value" becomes 0x800A017C.
constexpr HRESULT CTL_E_INVALIDPROPERTYVALUE = HRESULT(0x800A017Cu);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// The result code that carries a control error number (380 -> 0x800A017C).
constexpr HRESULT hresultFromControlError(int number)
{
    return HRESULT(0x800A0000u | (std::uint32_t(number) & 0xFFFFu));
}
