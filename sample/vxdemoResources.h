// Resource identifiers of the sample application: the program icon and the
// icons of the main form's four pages.
#pragma once

#define IDI_VXDEMO 1
#define IDI_SPELLCHECK 101
#define IDI_THESAURUS 102
#define IDI_LIVESPELLING 103
#define IDI_OTHERFEATURES 104
