// The registered clipboard format whose presence next to the plain text
// marks copied text as a column (block) selection.  The data under it means
// nothing; readers only test whether it is offered.
#pragma once

#define SECEDIT_COLUMN_SELECT_FORMAT "MSDEVColumnSelect"
