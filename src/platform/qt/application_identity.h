#pragma once

namespace velocarta {

// Names the running program "velocarta", for the system's lists of programs and for the
// program's own runtime files. It sets no application display name on purpose: on X11 Qt
// appends that name to every window title, and each window already carries its whole title
// ("The Vantrel Velocarta", "The Vantrel Velocarta    2000").
void SetApplicationIdentity();

}  // namespace velocarta
