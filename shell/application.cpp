#include "application.h"

#include "form1.h"

void connectWindowMenus(Form1 &form1)
{
    (void)form1;
}
