#pragma once
// Tab stops that line text up in columns, as a word processor's ruler does. The text is left
// as it is: a line may separate its cells by any number of tabs (as text laid out for the
// default half-inch stops does), and each paragraph gets stops so that its n-th run of tabs,
// however many tabs it holds, ends at the same place as the n-th run of every other
// paragraph: just past the widest cell before it. Paragraphs without a tab are left alone.
class QTextDocument;

namespace controls {

// Sets the tab stops of every paragraph of `document`, measured in its fonts.
void AlignTabColumns(QTextDocument &document);

} // namespace controls
