#include "records/courier_records.h"

#include "text/text_helpers.h"

TMyWorkerArray G_MY_WORKER;

void ResetCourierRecords()
{
    G_MY_WORKER.MyWorkerArray.clear();
}
