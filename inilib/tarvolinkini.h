#pragma once
// The TarvolinkINI component as its users see it: the identifiers of its type library,
// class and interface, and the interface _INI of class INI. Objects are made by class
// identifier (com::CreateInstance(CLSID_INI, &ini)) once the library is registered.
//
// An INI object reads and writes one INI file through the profile functions: single values,
// the key names of a section, the sections, deletions, and window positions in twips.
#include "com/unknown.h"
#include "ui/formobject.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace tarvolinkini {

// Type library "TarvolinkINI", version 1.01.
inline constexpr com::Guid LIBID_TarvolinkINI = com::MakeGuid("{49D51608-1E2B-40F7-9632-8A15F4B4C7E3}");
inline constexpr com::Guid CLSID_INI = com::MakeGuid("{66DEA7BA-67AF-476D-B747-A28BF1F49843}");
inline constexpr com::Guid IID__INI = com::MakeGuid("{357857D5-56A7-4330-BF5F-4F12D2CFA996}");

// The operations are declared in the interface's slot order. Arrays of names come as lists
// whose first element is the array's element 1.
class _INI : public com::IUnknown {
public:
    static constexpr com::Guid IID = IID__INI;

    // Result of the last profile write: not 0 = success.
    virtual int32_t LastReturnCode() = 0;
    virtual bool Success() = 0;
    // Returned by reads when the key (or list) is missing.
    virtual void SetDefault(const QString &sDefault) = 0;
    virtual QString Default() = 0;
    // Full path of the INI file (Windows form accepted).
    virtual void SetPath(const QString &sPath) = 0;
    virtual QString Path() = 0;
    virtual void SetKey(const QString &sKey) = 0;
    virtual QString Key() = 0;
    virtual void SetSection(const QString &sSection) = 0;
    virtual QString Section() = 0;
    // Section/Key: read up to 254 characters, or written (NUL characters removed).
    virtual QString Value() = 0;
    virtual void SetValue(const QString &sValue) = 0;
    virtual void DeleteKey() = 0;
    virtual void DeleteSection() = 0;
    // The key names of Section, each followed by a NUL; setting it deletes the section.
    virtual QString INISection() = 0;
    virtual void SetINISection(const QString &sSection) = 0;
    // The names of all sections, each followed by a NUL.
    virtual QString Sections() = 0;
    virtual void EnumerateCurrentSection(QStringList &sKey, int32_t &iCount) = 0;
    virtual void EnumerateAllSections(QStringList &sSections, int32_t &iCount) = 0;
    // "Maximised", "Left", "Top", "Width", "Height" under Section.
    virtual void SaveFormPosition(ui::FormObject &frmThis) = 0;
    virtual void LoadFormPosition(ui::FormObject &frmThis, int32_t lMinWidth = 3000, int32_t lMinHeight = 3000) = 0;
    // The text as a 32-bit whole number (halves to even), or lDefault when it does not convert.
    virtual int32_t CLngDefault(const QString &sString, int32_t lDefault = 0) = 0;

protected:
    ~_INI() = default;
};

} // namespace tarvolinkini
