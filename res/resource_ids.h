/* Resource identifiers shared by vistrel.rc and the C++ code.
   Plain #defines because windres cannot read C++ constants.
   The icon is the string-named resource "MAINICON". */
#ifndef VISTREL_RESOURCE_IDS_H
#define VISTREL_RESOURCE_IDS_H

/* Reminder picture; its 0,128,0 pixels are drawn transparent. */
#define IDB_TIP_PICTURE 101

#endif
