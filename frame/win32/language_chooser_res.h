// Resource numbers of the language chooser, shared by its template and its
// code. They sit apart from the plug-in's other resources (1-4, 101-127).
#pragma once
#define IDD_LANGUAGE_CHOOSER 130
#define IDC_LANGUAGE_LIST 131
