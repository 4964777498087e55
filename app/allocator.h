#pragma once

// Opening a log frees the previous log's millions of small table items at
// once. With glibc's fast bins those freed blocks wait in lists that the next
// large allocation (the text of the new log) has to walk and merge; without
// them freed blocks merge as they are freed, and a load of a large log after
// another costs about a quarter less. Called first thing by main().
void tuneAllocator();
