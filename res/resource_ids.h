// Resource ids shared by the resource scripts and the code that loads them.
// Plain macros, because the resource compiler reads this file too.
#ifndef TEMBO_NOTCH_RESOURCE_IDS_H
#define TEMBO_NOTCH_RESOURCE_IDS_H

#define IDI_TEMBO_NOTCH 1
#define IDD_AUTO_HIDE_DELAY 101
#define IDC_AUTO_HIDE_SECONDS 1001

#endif
