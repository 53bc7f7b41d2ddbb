// The command ids that the framework itself handles, with the values that
// Windows programs have always used for them, so that menus in resource
// files name them by number or by these names alike.
#pragma once

#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT 57664
#endif
#ifndef ID_APP_EXIT
#define ID_APP_EXIT 57665
#endif
