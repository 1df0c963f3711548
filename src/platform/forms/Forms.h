#pragma once
// Everything of the forms runtime: forms, the control kinds, the runtime and
// its desktop port.

#include "platform/forms/Buttons.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Form.h"
#include "platform/forms/HScrollBar.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/UserControl.h"
