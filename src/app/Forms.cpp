#include "app/Forms.h"

#include "app/Unitabout.h"
#include "app/Unittitle.h"
#include "data/Unitdata.h"
#include "master/Unitmaster.h"
#include "master/Unitmaster2.h"
#include "master/Unitperson.h"
#include "period/Unitterm.h"
#include "reports/Uniteditor.h"
#include "shell/Unitmain.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"
#include "views/Unitwklist.h"

Forms::Forms()
{
    main_ = std::make_unique<TFormMain>(*this);
    FormMain = main_.get();
    {
        TAboutBox aboutBox; // shows itself for 3 s; the windows after it wait
    }
    master_ = std::make_unique<TFormMaster>(*this);
    FormMaster = master_.get();
    person_ = std::make_unique<TFormPerson>(*this);
    FormPerson = person_.get();
    data_ = std::make_unique<TFormData>();
    FormData = data_.get();
    term_ = std::make_unique<TFormTerm>(*this);
    FormTerm = term_.get();
    schedu_ = std::make_unique<TFormSchedu>(*this);
    FormSchedu = schedu_.get();
    time_ = std::make_unique<TFormTime>(*this);
    FormTime = time_.get();
    info_ = std::make_unique<TFormInfo>(*this);
    FormInfo = info_.get();
    wkList_ = std::make_unique<TFormWkList>(*this);
    FormWkList = wkList_.get();
    title_ = std::make_unique<TFormTitle>();
    FormTitle = title_.get();
    editor_ = std::make_unique<TFormEditor>(*this);
    FormEditor = editor_.get();
    master2_ = std::make_unique<TFormMaster2>(*this);
    FormMaster2 = master2_.get();
}

// The unique pointers release the windows in the reverse order of their creation.
Forms::~Forms() = default;
