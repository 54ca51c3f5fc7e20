#include "master/Unitperson.h"

TFormPerson::TFormPerson(Forms&)
{
}
