// Identifiers of the macro editor dialog.
#pragma once

#define IDD_EDITMACRO 110
