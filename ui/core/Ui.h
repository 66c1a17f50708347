#pragma once
// The UI framework in one include: components, forms, the application and the backend interface.
//
//   CApplication app(backend, &files);      // a backend: ui/headless or ui/win32
//   CForm form(app);                        // the first form is the main form
//   form.SetBorder(BorderStyle::None);
//   CImage* back = form.Add<CImage>(u"MainFormImage");
//   back->LoadPicture(u"C:\\skin\\back.png", &error);
//   app.OnMessage = [&](UI_MSG& msg, bool&) { ... };  // sees every queued message first
//   app.Run();

#include "ui/core/Application.h"
#include "ui/core/Backend.h"
#include "ui/core/Component.h"
#include "ui/core/Controls.h"
#include "ui/core/Form.h"
#include "ui/core/NonVisual.h"
#include "ui/core/Picture.h"
#include "ui/core/Region.h"
#include "ui/core/UiError.h"
#include "ui/core/UiTypes.h"
