#pragma once

#include <memory>

class TAboutBox;
class TFormData;
class TFormEditor;
class TFormInfo;
class TFormMain;
class TFormMaster;
class TFormMaster2;
class TFormPerson;
class TFormSchedu;
class TFormTerm;
class TFormTime;
class TFormTitle;
class TFormWkList;

// The program's windows and its data holder, created once, in a fixed order, and kept
// for the whole run; windows reach each other through this set.
class Forms {
public:
    // Creates every window in order; the about box shows itself while it is created.
    Forms();
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    TFormMain* FormMain = nullptr;
    TFormMaster* FormMaster = nullptr;
    TFormPerson* FormPerson = nullptr;
    TFormData* FormData = nullptr;
    TFormTerm* FormTerm = nullptr;
    TFormSchedu* FormSchedu = nullptr;
    TFormTime* FormTime = nullptr;
    TFormWkList* FormWkList = nullptr;
    TFormInfo* FormInfo = nullptr;
    TFormTitle* FormTitle = nullptr;
    TFormEditor* FormEditor = nullptr;
    TFormMaster2* FormMaster2 = nullptr;

private:
    std::unique_ptr<TFormMain> main_;
    std::unique_ptr<TFormMaster> master_;
    std::unique_ptr<TFormPerson> person_;
    std::unique_ptr<TFormData> data_;
    std::unique_ptr<TFormTerm> term_;
    std::unique_ptr<TFormSchedu> schedu_;
    std::unique_ptr<TFormTime> time_;
    std::unique_ptr<TFormWkList> wkList_;
    std::unique_ptr<TFormInfo> info_;
    std::unique_ptr<TFormTitle> title_;
    std::unique_ptr<TFormEditor> editor_;
    std::unique_ptr<TFormMaster2> master2_;
};
