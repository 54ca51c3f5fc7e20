#pragma once

#include "forms/Forms.h"

#include <memory>

class TAboutBox;
class TFormLabour;
class TFormLines;
class TFormPattern;
class TFormTarget;

// Creates the program's windows once, in their fixed order, keeps them for the whole run and
// connects the signals through which a window tells the windows above it what happened.
class Program {
public:
    // Creates every window in order; the about box shows itself while it is created.
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Forms& forms() { return forms_; }

private:
    void connectWindows();

    Forms forms_;
    std::unique_ptr<ViewOutput> output_;
    std::unique_ptr<TFormMain> main_;
    std::unique_ptr<TFormMaster> master_;
    std::unique_ptr<TFormPerson> person_;
    std::unique_ptr<TFormData> data_;
    std::unique_ptr<TFormTerm> term_;
    std::unique_ptr<TFormSchedu> schedu_;
    std::unique_ptr<TFormTime> time_;
    std::unique_ptr<TFormInfo> info_;
    std::unique_ptr<TFormWkList> wkList_;
    std::unique_ptr<TFormTitle> title_;
    std::unique_ptr<TFormEditor> editor_;
    std::unique_ptr<TFormMaster2> master2_;
    std::unique_ptr<TFormChange> change_;
    std::unique_ptr<TFormTarget> target_;
    std::unique_ptr<TFormLines> shortage_;
    std::unique_ptr<TFormLabour> labour_;
    std::unique_ptr<TFormPattern> pattern_;
};
