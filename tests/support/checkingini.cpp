// A settings component for tests: class INI of TarvolinkINI, served under the same class
// identifier, that stops the program at once when its last reference goes while one of its
// own operations is still running. A caller that drops the object whose method it called
// (a window replacing its INI object in a resize that the object's own LoadFormPosition
// set off) would leave the real component running on freed memory, which may or may not
// crash; this one fails every time, with the operation's name.
#include "com/comptr.h"
#include "com/object.h"
#include "com/serverexports.h"
#include "inilib/identity.h"
#include "inilib/ini.h"

#include <QtGlobal>

namespace {

class CheckingINI final : public com::Object<tarvolinkini::_INI> {
    // Runs one operation of the real object, marked as running for its whole length.
    // (Defined first: the operations below take their result types from it.)
    template <class F> auto run(const char *operation, F &&body)
    {
        struct Running {
            const char *&slot;
            const char *outer;
            Running(const char *&s, const char *name) : slot(s), outer(s) { slot = name; }
            ~Running() { slot = outer; }
        } running{running_, operation};
        return body();
    }

public:
    CheckingINI()
    {
        auto *real = new tarvolinkini::INI;
        real->AddRef();
        real_ = com::ComPtr<tarvolinkini::_INI>::attach(real);
    }

    uint32_t AddRef() override
    {
        ++references_;
        return Object::AddRef();
    }
    uint32_t Release() override
    {
        if (references_ == 1 && running_)
            qFatal("An INI object was released while its %s was still running", running_);
        --references_;
        return Object::Release();
    }

    int32_t LastReturnCode() override { return run("LastReturnCode", [&] { return real_->LastReturnCode(); }); }
    bool Success() override { return run("Success", [&] { return real_->Success(); }); }
    void SetDefault(const QString &s) override { run("Default", [&] { real_->SetDefault(s); }); }
    QString Default() override { return run("Default", [&] { return real_->Default(); }); }
    void SetPath(const QString &s) override { run("Path", [&] { real_->SetPath(s); }); }
    QString Path() override { return run("Path", [&] { return real_->Path(); }); }
    void SetKey(const QString &s) override { run("Key", [&] { real_->SetKey(s); }); }
    QString Key() override { return run("Key", [&] { return real_->Key(); }); }
    void SetSection(const QString &s) override { run("Section", [&] { real_->SetSection(s); }); }
    QString Section() override { return run("Section", [&] { return real_->Section(); }); }
    QString Value() override { return run("Value", [&] { return real_->Value(); }); }
    void SetValue(const QString &s) override { run("Value", [&] { real_->SetValue(s); }); }
    void DeleteKey() override { run("DeleteKey", [&] { real_->DeleteKey(); }); }
    void DeleteSection() override { run("DeleteSection", [&] { real_->DeleteSection(); }); }
    QString INISection() override { return run("INISection", [&] { return real_->INISection(); }); }
    void SetINISection(const QString &s) override { run("INISection", [&] { real_->SetINISection(s); }); }
    QString Sections() override { return run("Sections", [&] { return real_->Sections(); }); }
    void EnumerateCurrentSection(QStringList &keys, int32_t &count) override
    {
        run("EnumerateCurrentSection", [&] { real_->EnumerateCurrentSection(keys, count); });
    }
    void EnumerateAllSections(QStringList &sections, int32_t &count) override
    {
        run("EnumerateAllSections", [&] { real_->EnumerateAllSections(sections, count); });
    }
    void SaveFormPosition(ui::FormObject &form) override
    {
        run("SaveFormPosition", [&] { real_->SaveFormPosition(form); });
    }
    void LoadFormPosition(ui::FormObject &form, int32_t minWidth, int32_t minHeight) override
    {
        run("LoadFormPosition", [&] { real_->LoadFormPosition(form, minWidth, minHeight); });
    }
    int32_t CLngDefault(const QString &s, int32_t fallback) override
    {
        return run("CLngDefault", [&] { return real_->CLngDefault(s, fallback); });
    }

private:
    com::ComPtr<tarvolinkini::_INI> real_;
    uint32_t references_ = 0;
    const char *running_ = nullptr;   // the operation under way, if any
};

} // namespace

HOTEL_COM_SERVER_EXPORTS(CheckingINI, tarvolinkini::ServerIdentity())
