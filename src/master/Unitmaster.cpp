#include "master/Unitmaster.h"

TFormMaster::TFormMaster(Forms&)
{
}
