#include "master/Unitmaster2.h"

TFormMaster2::TFormMaster2(Forms&)
{
}
