#pragma once

// The answer of a question dialog.
enum TModalResult { mrNone, mrOk, mrCancel, mrYes, mrNo };
