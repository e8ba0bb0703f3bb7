#pragma once

#include <QString>

// One row of the built-in star catalogue as text: ten comma-separated fields.
// catalogueRow(-1) gives the row count ("192"); an index outside the table gives the empty text.
QString catalogueRow(int index);
