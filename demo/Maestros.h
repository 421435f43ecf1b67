#pragma once

namespace norvane::demo {

struct Muestra;

// The master data of both companies: code tables, chart of accounts, third
// parties, inventory grouping, articles with their sub-tables and accounting
// interface definitions. The origin records every row in its audit trail;
// the destination holds part of it already, some rows older, and a few that
// the origin has since deleted. Fills the muestra's catalogue.
void LlenarMaestros(Muestra& muestra);

}  // namespace norvane::demo
