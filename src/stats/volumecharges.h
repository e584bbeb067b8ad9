#pragma once

class BillPlan;
class ConnectionTable;

// What a data plan adds to the cost of each call: the price of its bytes beyond what the earlier
// calls of its bill left of the allowance. Calls take the allowance in the order they started;
// the call that crosses it pays only for the part beyond. A call whose bytes are unknown takes
// none of it, and where bytes are priced its volume cost is unknown. The bill's fixed price
// belongs to the bill, never to a call.
class VolumeCharges
{
public:
    // Over a table just costed by time: sets every call's volume cost and adds it to its cost.
    static void apply(ConnectionTable& table, const BillPlan& plan);
};
