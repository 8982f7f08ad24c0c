#pragma once
// Class INI of TarvolinkINI: the object behind _INI. A new object has empty texts and 0.
#include "com/object.h"
#include "inilib/tarvolinkini.h"
#include "profile/profile.h"

namespace tarvolinkini {

class INI final : public com::Object<_INI> {
public:
    int32_t LastReturnCode() override { return lastReturnCode_; }
    bool Success() override { return lastReturnCode_ != 0; }
    void SetDefault(const QString &sDefault) override { default_ = sDefault; }
    QString Default() override { return default_; }
    void SetPath(const QString &sPath) override { path_ = sPath; }
    QString Path() override { return path_; }
    void SetKey(const QString &sKey) override { key_ = sKey; }
    QString Key() override { return key_; }
    void SetSection(const QString &sSection) override { section_ = sSection; }
    QString Section() override { return section_; }

    QString Value() override;
    void SetValue(const QString &sValue) override;
    void DeleteKey() override;
    void DeleteSection() override;
    QString INISection() override;
    void SetINISection(const QString &sSection) override;
    QString Sections() override;
    void EnumerateCurrentSection(QStringList &sKey, int32_t &iCount) override;
    void EnumerateAllSections(QStringList &sSections, int32_t &iCount) override;
    void SaveFormPosition(ui::FormObject &frmThis) override;
    void LoadFormPosition(ui::FormObject &frmThis, int32_t lMinWidth = 3000, int32_t lMinHeight = 3000) override;
    int32_t CLngDefault(const QString &sString, int32_t lDefault = 0) override;

private:
    // GetPrivateProfileString into a buffer of bufferSize characters: the characters copied.
    QString read(const profile::NullableText &section, const profile::NullableText &key, uint32_t bufferSize) const;
    // WritePrivateProfileString; its result goes to LastReturnCode.
    void write(const profile::NullableText &key, const profile::NullableText &value);
    // Value set under another key.
    void writeKey(const QString &key, const QString &value);
    // Value get under another key, converted; the fallback when missing or not a number.
    int32_t readNumber(const QString &key, int32_t fallback);

    QString path_;
    QString key_;
    QString section_;
    QString default_;
    int32_t lastReturnCode_ = 0;
};

} // namespace tarvolinkini
