#pragma once

class TFormChange;
class TFormData;
class TFormEditor;
class TFormInfo;
class TFormLabour;
class TFormLines;
class TFormMain;
class TFormMaster;
class TFormMaster2;
class TFormPattern;
class TFormPerson;
class TFormSchedu;
class TFormTarget;
class TFormTerm;
class TFormTime;
class TFormTitle;
class TFormWkList;
class ViewOutput;

// The program's windows, its data holder and the views' shared output services, as Program
// created them; each lives for the whole run. A window reads the data holder and the start-up
// date through this set and opens the windows below it; what a window has to tell the windows
// above it travels as a signal, connected once where the windows are created.
struct Forms {
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
    TFormChange* FormChange = nullptr; // the day changes
    TFormTarget* FormTarget = nullptr; // the staffing targets
    TFormLines* FormShortage = nullptr; // "人員過不足一覧", the hours short and over
    TFormLabour* FormLabour = nullptr; // the labour settings
    TFormPattern* FormPattern = nullptr; // the shift patterns
    // The save dialog and the printer setup with its printer chosen flag.
    ViewOutput* Output = nullptr;
};
