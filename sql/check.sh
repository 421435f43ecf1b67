#!/usr/bin/env bash
# Builds fresh general, support and company databases from the scripts of
# this folder with isql-fb (embedded engine, a temporary directory) and
# checks them:
#   1. every script loads without an error;
#   2. the "select *" positions, types and keys of the tables the transfer
#      utility addresses by position;
#   3. the look-up indexes of the documents;
#   4. each cambie_id_ view gives a fresh, larger identifier on every select;
#   5. ACUMULA_PUNTOS_CLIENTE for types 31 and 33, and its refusal of others;
#   6. the statements the transfer utility issues, run on sample rows;
#   7. the sign-in statement and the document type list;
#   8. a user other than the owner can do what the utility does.
# Exits non-zero at the first failed load, and with the count of failed
# checks otherwise.  Usage: sql/check.sh [-v]   (-v prints every column)
set -u
here=$(cd "$(dirname "$0")" && pwd)
verbose=${1:-}
tmp=$(mktemp -d /tmp/norvane-sql.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok()   { echo "ok:   $*"; }

isql() { isql-fb -q -user SYSDBA -password x "$@"; }

create_db() {
  printf "create database '%s' user 'SYSDBA' password 'x';\n" "$1" | isql-fb -q ||
    { echo "FAIL: cannot create $1"; exit 1; }
}

# load DB FILE...: runs each script with -bail; any error ends the check.
load() {
  local db=$1 f out rc
  shift
  for f in "$@"; do
    out=$(isql -bail "$db" -i "$f" 2>&1)
    rc=$?
    if [ $rc -ne 0 ] || grep -q -e 'Statement failed' -e 'SQLSTATE' <<<"$out"; then
      echo "FAIL: loading ${f#"$here"/} (rc $rc)"
      echo "$out"
      exit 1
    fi
    ok "loaded ${f#"$here"/}"
  done
}

# sql DB: runs the statements on stdin, output without headings.
sql() { isql "$@" 2>&1; }

echo "== 1. load the scripts"
create_db "$tmp/general.fdb"
load "$tmp/general.fdb" "$here"/general/*.sql
create_db "$tmp/soporte.fdb"
load "$tmp/soporte.fdb" "$here"/soporte/*.sql
create_db "$tmp/norvane.fdb"
load "$tmp/norvane.fdb" "$here"/compania/*.sql
# the empty transfer database is the same schema once more
create_db "$tmp/envio.fdb"
load "$tmp/envio.fdb" "$here"/compania/*.sql
C="$tmp/norvane.fdb"

echo "== 2. column positions, types and keys"
# every column of every user table: TABLE POSITION NAME TYPE, the position
# counted as "select *" returns the columns
sql "$C" >"$tmp/columns.txt" <<'EOF'
set heading off;
select trim(rf.rdb$relation_name) || ' ' ||
       (row_number() over (partition by rf.rdb$relation_name order by rf.rdb$field_position) - 1) || ' ' ||
       trim(rf.rdb$field_name) || ' ' ||
       case f.rdb$field_type
         when 7  then iif(f.rdb$field_sub_type = 1, 'NUMERIC', iif(f.rdb$field_sub_type = 2, 'DECIMAL', 'SMALLINT'))
         when 8  then iif(f.rdb$field_sub_type = 1, 'NUMERIC', iif(f.rdb$field_sub_type = 2, 'DECIMAL', 'INTEGER'))
         when 16 then iif(f.rdb$field_sub_type = 1, 'NUMERIC', iif(f.rdb$field_sub_type = 2, 'DECIMAL', 'BIGINT'))
         when 12 then 'DATE' when 13 then 'TIME' when 35 then 'TIMESTAMP'
         when 14 then 'CHAR' when 37 then 'VARCHAR' when 261 then 'BLOB'
         when 27 then 'DOUBLE' when 10 then 'FLOAT' else 'OTHER' end
  from rdb$relation_fields rf
  join rdb$relations r on r.rdb$relation_name = rf.rdb$relation_name
  join rdb$fields f on f.rdb$field_name = rf.rdb$field_source
 where coalesce(r.rdb$system_flag, 0) = 0 and r.rdb$view_blr is null
 order by rf.rdb$relation_name, rf.rdb$field_position;
EOF
sed -i '/^[[:space:]]*$/d; s/^[[:space:]]*//; s/[[:space:]]*$//' "$tmp/columns.txt"
[ "$verbose" = "-v" ] && cat "$tmp/columns.txt"
echo "   $(wc -l <"$tmp/columns.txt") columns in $(cut -d' ' -f1 "$tmp/columns.txt" | sort -u | wc -l) tables"

# primary and unique key segments: KEY TABLE POSITION COLUMN
sql "$C" >"$tmp/keys.txt" <<'EOF'
set heading off;
select 'KEY ' || trim(rc.rdb$relation_name) || ' ' || s.rdb$field_position || ' ' || trim(s.rdb$field_name)
  from rdb$relation_constraints rc
  join rdb$index_segments s on s.rdb$index_name = rc.rdb$index_name
 where rc.rdb$constraint_type = 'PRIMARY KEY'
 order by rc.rdb$relation_name, s.rdb$field_position;
EOF
sed -i '/^[[:space:]]*$/d; s/^[[:space:]]*//; s/[[:space:]]*$//' "$tmp/keys.txt"

# at TABLE POS NAME TYPE: the column at that position ("*" matches anything)
at() {
  local line
  line=$(awk -v t="$1" -v p="$2" '$1 == t && $2 == p' "$tmp/columns.txt")
  if [ -z "$line" ]; then fail "$1 has no column at position $2"; return; fi
  set -- "$@" $line
  # $1..$4 expected, $5..$8 found
  if { [ "$3" != "*" ] && [ "$3" != "$7" ]; } || { [ "$4" != "*" ] && [ "$4" != "$8" ]; }; then
    fail "$1 position $2: expected $3 $4, found $7 $8"
  else
    ok "$1 position $2 = $7 $8"
  fi
}
# has TABLE NAME TYPE: the column exists somewhere
has() {
  local line
  line=$(awk -v t="$1" -v n="$2" '$1 == t && $3 == n' "$tmp/columns.txt")
  if [ -z "$line" ]; then fail "$1 has no column $2"; return; fi
  set -- "$@" $line
  if [ "$3" != "*" ] && [ "$3" != "$7" ]; then fail "$1.$2 is $7, expected $3"; else ok "$1.$2 ($7) at position $5"; fi
}
# key TABLE COL...: the primary key is exactly these columns, in order
key() {
  local t=$1 want found
  shift
  want="$*"
  found=$(awk -v t="$t" '$1 == "KEY" && $2 == t {printf "%s%s", sep, $4; sep=" "}' "$tmp/keys.txt")
  if [ "$found" != "$want" ]; then fail "$t primary key: expected ($want), found ($found)"; else ok "$t primary key ($found)"; fi
}
# count TABLE N: the table has N columns
count() {
  local n
  n=$(awk -v t="$1" '$1 == t' "$tmp/columns.txt" | wc -l)
  if [ "$n" -ne "$2" ]; then fail "$1 has $n columns, expected $2"; else ok "$1 has $2 columns"; fi
}

# audit trail: eleven columns in a fixed order
count AUDITORIA 11
at AUDITORIA 0 AUDI_ID INTEGER;     at AUDITORIA 1 AUDI_USUARIO VARCHAR
at AUDITORIA 2 AUDI_FECHA DATE;     at AUDITORIA 3 AUDI_HORA TIME
at AUDITORIA 4 TIDO_COD INTEGER;    at AUDITORIA 5 AUDI_IDDOC INTEGER
at AUDITORIA 6 AUDI_OPER CHAR;      at AUDITORIA 7 AUDI_COD VARCHAR
at AUDITORIA 8 AUDI_ENVIO CHAR;     at AUDITORIA 9 AUDI_TICO CHAR
at AUDITORIA 10 AUDI_RAZON VARCHAR
key AUDITORIA AUDI_ID
has CONFIGURACION CONF_MODULO VARCHAR; has CONFIGURACION CONF_CATEGORIA VARCHAR
has CONFIGURACION CONF_PROPIEDAD VARCHAR; has CONFIGURACION CONF_VALOR VARCHAR
has REPLICA_EVENTOS RPEV_COMPANIA VARCHAR; has REPLICA_EVENTOS RPEV_TIPO INTEGER
has REPLICA_EVENTOS RPEV_IDDOC INTEGER; has REPLICA_EVENTOS RPEV_FECREP DATE
has REPLICA_EVENTOS RPEV_HORAREP TIME

# accounting vouchers
at COMPROBANTE_ENCABEZADO 0 ENCO_CONSEC INTEGER
at COMPROBANTE_ENCABEZADO 1 TICO_COD '*'
at COMPROBANTE_ENCABEZADO 2 PRCO_PREF '*'
at COMPROBANTE_ENCABEZADO 3 ENCO_NUMERO '*'
at COMPROBANTE_ENCABEZADO 4 '*' DATE
at COMPROBANTE_ENCABEZADO 8 '*' NUMERIC
key COMPROBANTE_ENCABEZADO ENCO_CONSEC
at COMPROBANTE_DETALLE 0 ENCO_CONSEC INTEGER
at COMPROBANTE_DETALLE_NIIF 0 ENCO_CONSEC INTEGER

# documents sent header + lines: HEADER DETAIL STEM [NUMBER COLUMN]
docs="ENTRADAS:ENTRADAS_DETALLE:ENTR SALIDAS:SALIDAS_DETALLE:SALI
TRASFERENCIAS:TRASFERENCIAS_DETALLE:TRAN AJUSTES:AJUSTES_DETALLE:AJUS
ENSAMBLES:ENSAMBLES_DETALLE:ENSA DESENSAMBLES:DESENSAMBLES_DETALLE:DESE
RESERVAS:RESERVAS_DETALLE:RESE ORDENES_INVENTARIO:ORDENINVENTARIO_DETALLE:ORIN
REMISION_PROVEEDOR:REMISION_PROVEEDOR_DET:REPR ORDENES_COMPRA:ORDENES_COMPRA_DETALLE:ORDC
COTIZACION_PROVEEDOR:COTIZACIONES_PROVEEDOR_DET:COPR REMISIONES_VENTA:REMISIONES_VENTA_DETALLE:REVT
PEDIDOS:PEDIDOS_DETALLE:PEDI COTIZACIONES:COTIZACIONES_DETALLE:COTI
FACTURAS_COMPRA:FACTURAS_COMPRAS_DETALLE:FACO DEVOLUCIONES_COMPRAS:DEVOLUCIONES_COMPRAS_DET:DVCO
FACTURAS:FACTURAS_DETALLE:FACT DEVOLUCIONES_VENTAS:DEVOLUCIONES_VENTAS_DETALLE:DEVT
NOTAS_DEBITO_CLIENTES::NDCL NOTAS_CREDITO_CLIENTES::NCCL
NOTAS_DEBITO_PROVEEDOR::NDPR NOTAS_CREDITO_PROVEEDOR::NCPR
APLICACION_CLIENTE:APLICACION_CLIENTE_DETALLE:APCL APLICACION_PROVEDOR:APLICACION_PROVEEDOR_DETALLE:APPR
ANTICIPOS_CLIENTE::ANCL ANTICIPOS_PROVEEDOR::ANPR
RECIBOS_CAJA:RECIBOS_CAJA_DETALLE,RECIBOS_CAJA_CRUCEC,RECIBOS_CAJA_PAGO:RECA
RECIBO_PROVISIONAL:RECIBO_PROVISIONAL_DETALLE,RECIBO_PROVISIONAL_PAGO:RCPR
EGRESOS:EGRESOS_DETALLE,EGRESOS_CRUCEC,EGRESOS_CAJA,EGRESOS_BANCO,EGRESOS_CONTABILIDAD:EGRE
CAMBIO_DOCUMENTOS:CAMBIODOC_ENTRADAS,CAMBIODOC_SALIDAS:CADO
CONSIGNA_TARJETAS:CONSIGNA_TARJETAS_DET:COTJ TRASLADOS_CAJA:TRASLADOS_CAJA_DET:TRCJ"
for d in $docs; do
  IFS=: read -r h dets s <<<"$d"
  at "$h" 0 "${s}_ID" INTEGER
  key "$h" "${s}_ID"
  has "$h" PREF_PRE VARCHAR
  has "$h" "${s}_NUMERO" VARCHAR
  has "$h" "${s}_ANULADO" CHAR
  for det in ${dets//,/ }; do at "$det" 0 "${s}_ID" INTEGER; done
done

# bank documents: TABLE STEM NUMBER-COLUMN
banks="CONSIGNA:CONS:CONS_NUMERO CHEQUES:CHEQ:CHEQ_NUMERO RETIROS:RETI:RETI_NUMERO
NOTAS_DEBITO:NDBC:NDBC_NUMERO NOTAS_CREDITO:NCBC:NCBC_NUMERO TRASLADOS:TRAS:TRAS_NUMERO
DEVOLUCION_CHEQUES:DVCH:DVCH_NUMDOC"
for b in $banks; do
  IFS=: read -r t s n <<<"$b"
  at "$t" 0 "${s}_ID" INTEGER
  key "$t" "${s}_ID"
  has "$t" CUBA_COD INTEGER
  has "$t" PRBA_PREF VARCHAR
  has "$t" "$n" VARCHAR
  has "$t" "${s}_ANULADO" CHAR
done
at CONSIGNA_DETALLE 0 CONS_ID INTEGER

# invoices and returns
at FACTURAS_COMPRAS_DETALLE 18 '*' NUMERIC
at FACTURAS_DETALLE 18 '*' NUMERIC
has FACTURAS_DETALLE FADE_ITEM INTEGER
at DEVOLUCIONES_COMPRAS 24 '*' INTEGER
at DEVOLUCIONES_COMPRAS 25 '*' VARCHAR
at DEVOLUCIONES_VENTAS 28 '*' VARCHAR
at DEVOLUCIONES_VENTAS 29 '*' INTEGER
has DEVOLUCIONES_VENTAS DEVT_IMPLICA CHAR
# advances: the receipt / payment voucher they came from
at ANTICIPOS_CLIENTE 23 '*' INTEGER
at ANTICIPOS_PROVEEDOR 22 '*' INTEGER
# lines that name a document: kind 2, identifier 3, prefix 4, number 5
for t in APLICACION_CLIENTE_DETALLE APLICACION_PROVEEDOR_DETALLE RECIBOS_CAJA_DETALLE \
         RECIBOS_CAJA_CRUCEC EGRESOS_DETALLE; do
  at "$t" 2 TIDO_COD INTEGER; at "$t" 3 '*' INTEGER
  at "$t" 4 '*' VARCHAR;      at "$t" 5 '*' VARCHAR
done
# crossed lines of a payment voucher: kind 2, prefix 3, number 4, EGCC_IDDOC
at EGRESOS_CRUCEC 2 TIDO_COD INTEGER
at EGRESOS_CRUCEC 3 '*' VARCHAR
at EGRESOS_CRUCEC 4 '*' VARCHAR
has EGRESOS_CRUCEC EGCC_IDDOC INTEGER

# master data and their keys
key CUENTAS CUEN_COD;               at CUENTAS 0 CUEN_COD VARCHAR
key ARTICULO ARTI_COD;              at ARTICULO 0 ARTI_COD VARCHAR
key UNIDAD_ARTICULO ARTI_COD UNAR_UNIDAD
at UNIDAD_ARTICULO 1 UNAR_UNIDAD VARCHAR
key BARRAS_ARTICULO ARTI_COD COBA_COD
at BARRAS_ARTICULO 1 COBA_COD VARCHAR
key PRECIOS_ARTICULO ARTI_COD LIPR_COD
at PRECIOS_ARTICULO 0 LIPR_COD VARCHAR
key CONTABIL_ARTICULO ARTI_COD
key ARTICULOS_PRODUCTO ARTI_COD ARPR_ITEM
at ARTICULOS_PRODUCTO 1 ARPR_ITEM INTEGER
key FAMILIA_INVENTARIO FAIN_COD
key GRUPO_INVENTARIO FAIN_COD GRIN_COD
key SUBGRUPO_INVENTARIO FAIN_COD GRIN_COD SGIN_COD
key MARCAS MARC_COD
key SUBMARCA MARC_COD SUBM_COD
key TERCEROS TERC_NIT
key CLIENTES TERC_NIT
key PROVEEDORES TERC_NIT
key COBRADORES COBR_COD;            has COBRADORES COBR_COD INTEGER
key VENDEDORES VEND_COD;            has VENDEDORES VEND_COD INTEGER

# accounting interface definitions: HEADER ID ITEM
for i in INTERFAZ_BANCOS:INBA_ID:INBC_ITEM INTERFAZ_CAJA:INCJ_ID:INJC_ITEM \
         INTERFAZ_CARTERA:INCA_ID:INCD_ITEM INTERFAZ_COMPRAS:INCO_ID:INCC_ITEM \
         INTERFAZ_CXPAGAR:INCP_ID:INPC_ITEM INTERFAZ_INVENTARIO:ININ_ID:INIC_ITEM \
         INTERFAZ_VENTAS:INVE_ID:INVC_ITEM; do
  IFS=: read -r h id item <<<"$i"
  at "$h" 0 "$id" INTEGER
  key "$h" "$id"
  at "${h}_CTAS" 0 "$id" INTEGER
  at "${h}_CTAS" 1 "$item" INTEGER
  key "${h}_CTAS" "$id" "$item"
done

echo "== 3. look-up indexes"
sql "$C" >"$tmp/indexes.txt" <<'EOF'
set heading off;
select trim(i.rdb$relation_name) || ' ' || trim(i.rdb$index_name) || ' ' || s.rdb$field_position || ' ' || trim(s.rdb$field_name)
  from rdb$indices i join rdb$index_segments s on s.rdb$index_name = i.rdb$index_name
 where coalesce(i.rdb$system_flag, 0) = 0
 order by i.rdb$relation_name, i.rdb$index_name, s.rdb$field_position;
EOF
# indexed TABLE COL...: some index begins with these columns, in order
indexed() {
  local t=$1 want found
  shift
  want="$*"
  found=$(awk -v t="$t" '$1 == t {cols[$2] = cols[$2] (cols[$2] == "" ? "" : " ") $4}
          END {for (i in cols) print cols[i]}' "$tmp/indexes.txt" |
          while read -r line; do case "$line " in "$want "*) echo yes;; esac; done)
  if [ -n "$found" ]; then ok "$t indexed on ($want)"; else fail "$t has no index on ($want)"; fi
}
for d in $docs; do
  IFS=: read -r h dets s <<<"$d"
  indexed "$h" PREF_PRE "${s}_NUMERO"
done
for b in $banks; do
  IFS=: read -r t s n <<<"$b"
  indexed "$t" CUBA_COD PRBA_PREF "$n"
done
indexed COMPROBANTE_ENCABEZADO TICO_COD PRCO_PREF ENCO_NUMERO

echo "== 4. identifier views"
views=$(sql "$C" <<'EOF' | sed '/^[[:space:]]*$/d; s/[[:space:]]//g'
set heading off;
select trim(rdb$relation_name) from rdb$relations
 where rdb$view_blr is not null and coalesce(rdb$system_flag, 0) = 0 order by 1;
EOF
)
nviews=0
for v in $views; do
  case "$v" in CAMBIE_ID_*) ;; *) continue ;; esac
  nviews=$((nviews + 1))
  # two selects in one session, a third in another
  vals=$(printf 'set heading off;\nselect * from %s;\nselect * from %s;\n' "$v" "$v" | sql "$C" | tr -s ' \n' ' ')
  third=$(printf 'set heading off;\nselect * from %s;\n' "$v" | sql "$C" | tr -d ' \n')
  set -- $vals
  if [ $# -eq 2 ] && [ "$1" -gt 1000000000 ] && [ "$2" -gt "$1" ] && [ "$third" -gt "$2" ]; then
    [ "$verbose" = "-v" ] && ok "$v gives $1, $2, $third"
  else
    fail "$v gives '$vals' then '$third'"
  fi
done
[ "$nviews" -eq 39 ] && ok "39 cambie_id_ views, each gives increasing fresh identifiers" ||
  fail "$nviews cambie_id_ views, expected 39"

echo "== 5. ACUMULA_PUNTOS_CLIENTE"
out=$(sql "$C" <<'EOF'
set heading off;
insert into CLIENTES (TERC_NIT) values ('900123456');
insert into FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, TERC_NIT, FACT_TOTAL)
  values (77, 'FV', '00001234', '2024/04/10', '900123456', 25500);
insert into DEVOLUCIONES_VENTAS (DEVT_ID, PREF_PRE, DEVT_NUMERO, DEVT_FECHA, TERC_NIT, DEVT_TOTAL, DEVT_FACTURA, DEVT_IDFACTURA)
  values (78, 'DV', '000045', '2024/04/12', '900123456', 5000, 'FV00001234', 77);
commit;
execute procedure ACUMULA_PUNTOS_CLIENTE(31,77,NULL,NULL);
execute procedure ACUMULA_PUNTOS_CLIENTE(33,78,NULL,NULL);
execute procedure ACUMULA_PUNTOS_CLIENTE(31,77,NULL,NULL);
commit;
select 'SALDO', PUCL_SALDO from PUNTOS_CLIENTE where TERC_NIT = '900123456';
EOF
)
saldo=$(awk '$1 == "SALDO" {print $2}' <<<"$out")
if [ "$saldo" = "20.00" ]; then
  ok "invoice 25500 (25 points), return 5000 (-5), invoice sent again: balance $saldo"
else
  fail "points balance '$saldo', expected 20.00: $out"
fi
out=$(printf 'execute procedure ACUMULA_PUNTOS_CLIENTE(99,77,NULL,NULL);\n' | sql "$C")
if grep -q 'E_PUNTOS_TIPO_DOC' <<<"$out"; then
  ok "type 99 refused: $(grep -o 'El tipo de documento.*' <<<"$out")"
else
  fail "type 99 was not refused: $out"
fi

echo "== 6. statements of the transfer utility on sample rows"
# sample rows, so that the look-ups find something
sql "$C" >"$tmp/sample.out" <<'EOF'
insert into CONFIGURACION (CONF_MODULO, CONF_CATEGORIA, CONF_PROPIEDAD, CONF_VALOR)
  values ('CONTABILIDAD', 'GENERAL', 'FECHA DE BLOQUEO', '2024/01/31');
insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, AUDI_OPER, AUDI_COD, AUDI_ENVIO, AUDI_TICO, AUDI_RAZON)
  values (1, 'SYSDBA', '2024/04/10', '10:15:00', 31, 77, 'I', 'FV00001234', 'N', null, null);
insert into REPLICA_EVENTOS (RPEV_COMPANIA, RPEV_TIPO, RPEV_IDDOC) values ('002', 31, 77);
insert into COMPROBANTE_ENCABEZADO (ENCO_CONSEC, TICO_COD, PRCO_PREF, ENCO_NUMERO, ENCO_FECHA, ENCO_VALOR_CONCILIADO, ENCO_OBSERVACIONES)
  values (5, 'CE1', 'CE', '001234', '2024/04/05', 150.5, 'Pago de nomina de marzo');
insert into COMPROBANTE_DETALLE (ENCO_CONSEC, DECO_ITEM, CUEN_COD, DECO_DEBITO) values (5, 1, '510506', 1000);
insert into COMPROBANTE_DETALLE (ENCO_CONSEC, DECO_ITEM, CUEN_COD, DECO_CREDITO) values (5, 2, '111005', 1000);
insert into COMPROBANTE_DETALLE_NIIF (ENCO_CONSEC, DCNI_ITEM, CUEN_COD, DCNI_DEBITO) values (5, 1, '510506', 1000);
insert into ENTRADAS (ENTR_ID, PREF_PRE, ENTR_NUMERO, ENTR_FECHA) values (6, 'EN', '000123', '2024/04/06');
insert into ENTRADAS_DETALLE (ENTR_ID, ENDE_ITEM, ARTI_COD, ENDE_CANTIDAD) values (6, 1, 'A-100', 3);
insert into FACTURAS_DETALLE (FACT_ID, FADE_ITEM, ARTI_COD, FADE_CANTIDAD, FADE_CANT_DEVUELTA) values (77, 2, 'A-100', 2, 1);
insert into FACTURAS_DETALLE (FACT_ID, FADE_ITEM, ARTI_COD, FADE_CANTIDAD) values (77, 1, 'A-200', 5);
insert into FACTURAS_COMPRA (FACO_ID, PREF_PRE, FACO_NUMERO, FACO_FECHA, TERC_NIT) values (8, 'FC', '000777', '2024/04/02', '800111222');
insert into RECIBOS_CAJA (RECA_ID, PREF_PRE, RECA_NUMERO, RECA_FECHA, TERC_NIT) values (9, 'RC', '000010', '2024/04/15', '900123456');
insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT) values (11, 'CE', '000020', '2024/04/16', '800111222');
insert into CHEQUES (CHEQ_ID, CUBA_COD, PRBA_PREF, CHEQ_NUMERO, CHEQ_FECHA, CHEQ_VALOR) values (12, 12, 'CH', '000045', '2024/04/16', 500);
insert into ARTICULO (ARTI_COD, ARTI_NOMBRE) values ('A''1', 'Articulo con comilla');
insert into PRECIOS_ARTICULO (LIPR_COD, ARTI_COD, PRAR_PRECIO) values ('L1', 'A''1', 9.99);
insert into ARTICULOS_PRODUCTO (ARTI_COD, ARPR_ITEM, ARPR_ARTICULO) values ('A''1', 1, 'A-100');
insert into GRUPO_INVENTARIO (FAIN_COD, GRIN_COD, GRIN_NOMBRE) values ('01', 'A3', 'Grupo A3');
insert into VENDEDORES (VEND_COD, VEND_NOMBRE) values (12, 'Vendedor doce');
insert into INTERFAZ_CAJA (INCJ_ID, INCJ_NOMBRE) values (3, 'Caja general');
insert into INTERFAZ_CAJA_CTAS (INCJ_ID, INJC_ITEM, CUEN_COD) values (3, 1, '110505');
commit;
EOF
if grep -q -e 'Statement failed' -e 'SQLSTATE' "$tmp/sample.out"; then fail "sample rows: $(cat "$tmp/sample.out")"; fi

# the statements as the utility builds them, with values put in; the script
# ends with a rollback so that the sample rows stay for the counts below
cat >"$tmp/statements.sql" <<'EOF'
set bail on;
set heading off;
select * from auditoria where audi_envio = 'N' order by audi_fecha, audi_hora;
select * from auditoria where audi_fecha >= '2024/04/01' and audi_fecha <= '2024/04/30' and ( (tido_cod = 1) or  (tido_cod = 31)) and AUDI_TICO = 'CE1' and audi_cod >= 'FV00001000' and audi_cod <= 'FV00009999' order by audi_fecha, audi_hora;
select CONF_VALOR from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' and CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO';
SELECT * FROM AUDITORIA;
UPDATE AUDITORIA SET AUDI_ENVIO = 'S' where AUDI_ID = 1;
UPDATE REPLICA_EVENTOS SET RPEV_FECREP = CAST('NOW' AS DATE), RPEV_HORAREP = CAST('NOW' AS TIME) where RPEV_COMPANIA ='002' AND RPEV_TIPO = 31 AND RPEV_IDDOC = 77;
-- vouchers
SELECT ENCO_CONSEC FROM COMPROBANTE_ENCABEZADO WHERE TICO_COD = 'CE1' AND PRCO_PREF = 'CE' AND ENCO_NUMERO = '001234';
SELECT * FROM COMPROBANTE_ENCABEZADO WHERE TICO_COD = 'CE1' AND PRCO_PREF = 'CE' AND ENCO_NUMERO = '001234';
select * from comprobante_encabezado where enco_consec = 5;
select * from comprobante_detalle where enco_consec = 5;
select * from comprobante_detalle_niif where enco_consec = 5;
SELECT * FROM COMPROBANTE_DETALLE WHERE ENCO_CONSEC = 5;
SELECT * FROM COMPROBANTE_DETALLE_NIIF WHERE ENCO_CONSEC = 5;
select * from cambie_id_comproba;
-- standard documents
SELECT * FROM ENTRADAS WHERE PREF_PRE = 'EN' AND ENTR_NUMERO = '000123';
select * from entradas where entr_id = 6;
select * from entradas_detalle where entr_id = 6;
SELECT * FROM ENTRADAS_DETALLE WHERE ENTR_ID = 6;
UPDATE ENTRADAS SET ENTR_ANULADO = 'S' WHERE ENTR_ID = 6;
-- invoices, returns and their references
SELECT * FROM FACTURAS WHERE PREF_PRE = 'FV' AND FACT_NUMERO = '00001234';
select * from facturas_detalle where fact_id = 77 order by fade_item;
select fact_id from facturas where pref_pre = 'FV' AND FACT_NUMERO = '00001234';
select faco_id from facturas_compra where pref_pre = 'FC' AND FACO_NUMERO = '000777';
SELECT * FROM DEVOLUCIONES_VENTAS WHERE PREF_PRE = 'DV' AND DEVT_NUMERO = '000045';
UPDATE DEVOLUCIONES_VENTAS SET DEVT_IMPLICA = 'N' WHERE DEVT_ID = 78;
execute procedure ACUMULA_PUNTOS_CLIENTE(31,77,NULL,NULL);
execute procedure ACUMULA_PUNTOS_CLIENTE(33,78,NULL,NULL);
-- references of applications, receipts, payment vouchers and advances
select fact_id from facturas where pref_pre = 'FV' and fact_numero = '00001234';
select devt_id from devoluciones_ventas where pref_pre = 'DV' and devt_numero = '000045';
select ndcl_id from notas_debito_clientes where pref_pre = 'ND' and ndcl_numero = '000001';
select nccl_id from notas_credito_clientes where pref_pre = 'NC' and nccl_numero = '000001';
select ancl_id from anticipos_cliente where pref_pre = 'AC' and ancl_numero = '000001';
select faco_id from facturas_compra where pref_pre = 'FC' and faco_numero = '000777';
select dvco_id from devoluciones_compras where pref_pre = 'DC' and dvco_numero = '000001';
select ndpr_id from notas_debito_proveedor where pref_pre = 'NP' and ndpr_numero = '000001';
select ncpr_id from notas_credito_proveedor where pref_pre = 'NP' and ncpr_numero = '000001';
select anpr_id from anticipos_proveedor where pref_pre = 'AP' and anpr_numero = '000001';
select pref_pre, reca_numero from recibos_caja where reca_id = 9;
select reca_id from recibos_caja where pref_pre = 'RC' and reca_numero = '000010';
select pref_pre, egre_numero from egresos where egre_id = 11;
select egre_id from egresos where pref_pre = 'CE' and egre_numero = '000020';
-- bank documents (the account goes without quotes)
SELECT * FROM CHEQUES WHERE CUBA_COD = 12  AND PRBA_PREF = 'CH' AND CHEQ_NUMERO = '000045';
SELECT * FROM DEVOLUCION_CHEQUES WHERE CUBA_COD = 12 AND PRBA_PREF = 'CH' AND DVCH_NUMDOC = '000045';
-- master data and catalogues
SELECT * FROM ARTICULO WHERE ARTI_COD = 'A''1';
SELECT * from PRECIOS_ARTICULO where arti_cod = 'A''1' AND LIPR_COD = 'L1';
SELECT * from ARTICULOS_PRODUCTO where arti_cod = 'A''1' AND ARPR_ITEM = 1;
SELECT * from UNIDAD_ARTICULO where arti_cod = 'A''1' AND UNAR_UNIDAD = 'UND';
SELECT * from BARRAS_ARTICULO where arti_cod = 'A''1' AND COBA_COD = '7701234567890';
SELECT * from CONTABIL_ARTICULO where arti_cod = 'A''1';
select * from GRUPO_INVENTARIO where fain_cod = '01' and grin_cod = 'A3';
select * from SUBGRUPO_INVENTARIO where fain_cod = '01' and grin_cod = 'A3' and sgin_cod = 'X';
select * from submarca where marc_cod = 'M1' and subm_cod = '';
SELECT * FROM VENDEDORES WHERE VEND_COD = 12;
SELECT * FROM COBRADORES WHERE COBR_COD = 7;
SELECT * FROM INTERFAZ_CAJA WHERE INCJ_ID = 3;
SELECT * FROM INTERFAZ_CAJA_CTAS WHERE INCJ_ID = 3 AND INJC_ITEM = 1;
EOF
# every other statement text of the utility, with sample values put in
cat >>"$tmp/statements.sql" <<'EOF'
select * from auditoria where audi_envio = 'N' order by audi_fecha, audi_hora;
select CONF_VALOR from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' and CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO';
SELECT * FROM AUDITORIA;
UPDATE AUDITORIA SET AUDI_ENVIO = 'S' where AUDI_ID = 1;
UPDATE REPLICA_EVENTOS SET RPEV_FECREP = CAST('NOW' AS DATE), RPEV_HORAREP = CAST('NOW' AS TIME) where RPEV_COMPANIA ='01' AND RPEV_TIPO = 1 AND RPEV_IDDOC = 1;
SELECT ENCO_CONSEC FROM COMPROBANTE_ENCABEZADO WHERE TICO_COD = 'CE1' AND PRCO_PREF = 'FV' AND ENCO_NUMERO = '000123';
DELETE FROM COMPROBANTE_DETALLE WHERE ENCO_CONSEC = 1;
DELETE FROM COMPROBANTE_ENCABEZADO WHERE TICO_COD = 'CE1' AND PRCO_PREF = 'FV' AND ENCO_NUMERO = '000123';
select * from comprobante_encabezado where enco_consec = 1;
delete FROM COMPROBANTE_DETALLE WHERE ENCO_CONSEC = 1;
delete FROM COMPROBANTE_DETALLE_NIIF WHERE ENCO_CONSEC = 1;
delete FROM COMPROBANTE_ENCABEZADO WHERE TICO_COD = 'CE1' AND PRCO_PREF = 'FV' AND ENCO_NUMERO = '000123';
SELECT * FROM COMPROBANTE_ENCABEZADO WHERE TICO_COD = 'CE1' AND PRCO_PREF = 'FV' AND ENCO_NUMERO = '000123';
select * from cambie_id_comproba;
SELECT * FROM COMPROBANTE_DETALLE WHERE ENCO_CONSEC = 1;
select * from comprobante_detalle where enco_consec = 1;
SELECT * FROM COMPROBANTE_DETALLE_NIIF WHERE ENCO_CONSEC = 1;
select * from comprobante_detalle_niif where enco_consec = 1;
delete FROM COMPROBANTE_ENCABEZADO WHERE ENCO_CONSEC = 1;
SELECT * FROM ENTRADAS WHERE PREF_PRE = 'FV' AND ENTR_NUMERO = '000123';
select * from entradas where entr_id = 1;
select * from cambie_id_entrada;
select * from salidas where sali_id = 1;
SELECT * FROM SALIDAS WHERE PREF_PRE = 'FV' AND SALI_NUMERO = '000123';
select * from cambie_id_salida;
select * from trasferencias where tran_id = 1;
SELECT * FROM TRASFERENCIAS WHERE PREF_PRE = 'FV' AND TRAN_NUMERO = '000123';
select * from cambie_id_transfer;
select * from ajustes where ajus_id = 1;
SELECT * FROM AJUSTES WHERE PREF_PRE = 'FV' AND AJUS_NUMERO = '000123';
select * from cambie_id_ajusteinv;
select * from ENSAMBLES where ensa_id = 1;
SELECT * FROM ENSAMBLES WHERE PREF_PRE = 'FV' AND ENSA_NUMERO = '000123';
select * from cambie_id_ensamble;
select * from desensambles where dese_id = 1;
SELECT * FROM DESENSAMBLES WHERE PREF_PRE = 'FV' AND DESE_NUMERO = '000123';
select * from cambie_id_desensamble;
select * from reservas where rese_id = 1;
SELECT * FROM RESERVAS WHERE PREF_PRE = 'FV' AND RESE_NUMERO = '000123';
select * from cambie_id_reserva;
select * from ORDENES_INVENTARIO where orin_id = 1;
SELECT * FROM ORDENES_INVENTARIO WHERE PREF_PRE = 'FV' AND ORIN_NUMERO = '000123';
select * from cambie_id_ordenmcia;
select * from remision_proveedor where repr_id = 1;
SELECT * FROM REMISION_PROVEEDOR WHERE PREF_PRE = 'FV' AND REPR_NUMERO = '000123';
select * from cambie_id_remiprov;
select * from ordenes_compra where ordc_id = 1;
SELECT * FROM ORDENES_COMPRA WHERE PREF_PRE = 'FV' AND ORDC_NUMERO = '000123';
select * from cambie_id_ordencomp;
select * from cotizacion_proveedor where copr_id = 1;
SELECT * FROM COTIZACION_PROVEEDOR WHERE PREF_PRE = 'FV' AND COPR_NUMERO = '000123';
select * from cambie_id_coticomp;
select * from remisiones_venta where revt_id = 1;
SELECT * FROM REMISIONES_VENTA WHERE PREF_PRE = 'FV' AND REVT_NUMERO = '000123';
select * from cambie_id_remiclie;
select * from pedidos where pedi_id = 1;
SELECT * FROM PEDIDOS WHERE PREF_PRE = 'FV' AND PEDI_NUMERO = '000123';
select * from cambie_id_pedido;
select * from cotizaciones where coti_id = 1;
SELECT * FROM COTIZACIONES WHERE PREF_PRE = 'FV' AND COTI_NUMERO = '000123';
select * from cambie_id_cotizaci;
delete from entradas_detalle where entr_id = 1;
select * from entradas_detalle where entr_id = 1;
SELECT * FROM ENTRADAS_DETALLE WHERE ENTR_ID = 1;
DELETE FROM ENTRADAS WHERE ENTR_ID = 1;
delete from salidas_detalle where sali_id = 1;
select * from salidas_detalle where sali_id = 1;
SELECT * FROM SALIDAS_DETALLE WHERE SALI_ID = 1;
DELETE FROM SALIDAS WHERE SALI_ID = 1;
delete from trasferencias_detalle where tran_id = 1;
select * from trasferencias_detalle where tran_id = 1;
SELECT * FROM TRASFERENCIAS_DETALLE WHERE TRAN_ID = 1;
DELETE FROM TRASFERENCIAS WHERE TRAN_ID = 1;
delete from ajustes_detalle where ajus_id = 1;
select * from ajustes_detalle where ajus_id = 1;
SELECT * FROM AJUSTES_DETALLE WHERE AJUS_ID = 1;
DELETE FROM AJUSTES WHERE AJUS_ID = 1;
delete from ensambles_detalle where ensa_id = 1;
select * from ensambles_detalle where ensa_id = 1;
SELECT * FROM ENSAMBLES_DETALLE WHERE ENSA_ID = 1;
DELETE FROM ENSAMBLES WHERE ENSA_ID = 1;
delete from desensambles_detalle where dese_id = 1;
select * from desensambles_detalle where dese_id = 1;
SELECT * FROM DESENSAMBLES_DETALLE WHERE DESE_ID = 1;
DELETE FROM DESENSAMBLES WHERE DESE_ID = 1;
delete from reservas_detalle where rese_id = 1;
select * from reservas_detalle where rese_id = 1;
SELECT * FROM RESERVAS_DETALLE WHERE RESE_ID = 1;
DELETE FROM RESERVAS WHERE RESE_ID = 1;
delete from ordeninventario_detalle where orin_id = 1;
select * from ordeninventario_detalle where orin_id = 1;
SELECT * FROM ORDENINVENTARIO_DETALLE WHERE ORIN_ID = 1;
DELETE FROM ORDENES_INVENTARIO WHERE ORIN_ID = 1;
delete from remision_proveedor_det where repr_id = 1;
select * from remision_proveedor_det where repr_id = 1;
SELECT * FROM REMISION_PROVEEDOR_DET WHERE REPR_ID = 1;
DELETE FROM REMISION_PROVEEDOR WHERE REPR_ID = 1;
delete from ordenes_compra_detalle where ordc_id = 1;
select * from ordenes_compra_detalle where ordc_id = 1;
SELECT * FROM ORDENES_COMPRA_DETALLE WHERE ORDC_ID = 1;
DELETE FROM ORDENES_COMPRA WHERE ORDC_ID = 1;
delete from cotizaciones_proveedor_det where copr_id = 1;
select * from cotizaciones_proveedor_det where copr_id = 1;
SELECT * FROM COTIZACIONES_PROVEEDOR_DET WHERE COPR_ID = 1;
DELETE FROM COTIZACION_PROVEEDOR WHERE COPR_ID = 1;
delete from remisiones_venta_detalle where revt_id = 1;
select * from remisiones_venta_detalle where revt_id = 1;
SELECT * FROM REMISIONES_VENTA_DETALLE WHERE REVT_ID = 1;
DELETE FROM REMISIONES_VENTA WHERE REVT_ID = 1;
delete from pedidos_detalle where pedi_id = 1;
select * from pedidos_detalle where pedi_id = 1;
SELECT * FROM PEDIDOS_DETALLE WHERE PEDI_ID = 1;
DELETE FROM PEDIDOS WHERE PEDI_ID = 1;
delete from cotizaciones_detalle where coti_id = 1;
select * from cotizaciones_detalle where coti_id = 1;
SELECT * FROM COTIZACIONES_DETALLE WHERE COTI_ID = 1;
DELETE FROM COTIZACIONES WHERE COTI_ID = 1;
execute procedure ACUMULA_PUNTOS_CLIENTE(31,1,NULL,NULL);
execute procedure ACUMULA_PUNTOS_CLIENTE(33,1,NULL,NULL);
select faco_id from facturas_compra where pref_pre = 'FV' AND FACO_NUMERO = '000123';
select fact_id from facturas where pref_pre = 'FV' AND FACT_NUMERO = '000123';
select * from facturas_compra where faco_id = 1;
SELECT * FROM FACTURAS_COMPRA WHERE PREF_PRE = 'FV' AND FACO_NUMERO = '000123';
select * from cambie_id_compras;
select * from devoluciones_compras where dvco_id = 1;
SELECT * FROM DEVOLUCIONES_COMPRAS WHERE PREF_PRE = 'FV' AND DVCO_NUMERO = '000123';
select * from cambie_id_devolprov;
select * from facturas where fact_id = 1;
SELECT * FROM FACTURAS WHERE PREF_PRE = 'FV' AND FACT_NUMERO = '000123';
select * from cambie_id_factura;
select * from devoluciones_ventas where devt_id = 1;
SELECT * FROM DEVOLUCIONES_VENTAS WHERE PREF_PRE = 'FV' AND DEVT_NUMERO = '000123';
select * from cambie_id_devolclie;
delete from facturas_compras_detalle where faco_id = 1;
select * from facturas_compras_detalle where faco_id = 1;
SELECT * FROM FACTURAS_COMPRAS_DETALLE WHERE FACO_ID = 1;
DELETE FROM FACTURAS_COMPRA WHERE FACO_ID = 1;
delete from devoluciones_compras_det where dvco_id = 1;
select * from devoluciones_compras_det where dvco_id = 1;
SELECT * FROM DEVOLUCIONES_COMPRAS_DET WHERE DVCO_ID = 1;
DELETE FROM DEVOLUCIONES_COMPRAS WHERE DVCO_ID = 1;
delete from facturas_detalle where fact_id = 1;
select * from facturas_detalle where fact_id = 1;
SELECT * FROM FACTURAS_DETALLE WHERE FACT_ID = 1;
DELETE FROM FACTURAS WHERE FACT_ID = 1;
delete from devoluciones_ventas_detalle where devt_id = 1;
select * from devoluciones_ventas_detalle where devt_id = 1;
SELECT * FROM DEVOLUCIONES_VENTAS_DETALLE WHERE DEVT_ID = 1;
DELETE FROM DEVOLUCIONES_VENTAS WHERE DEVT_ID = 1;
select * from notas_debito_clientes where ndcl_id = 1;
SELECT * FROM NOTAS_DEBITO_CLIENTES WHERE PREF_PRE = 'FV' AND NDCL_NUMERO = '000123';
select * from cambie_id_notadbclie;
select * from notas_credito_clientes where nccl_id = 1;
SELECT * FROM NOTAS_CREDITO_CLIENTES WHERE PREF_PRE = 'FV' AND NCCL_NUMERO = '000123';
select * from notas_debito_proveedor where ndpr_id = 1;
SELECT * FROM NOTAS_DEBITO_PROVEEDOR WHERE PREF_PRE = 'FV' AND NDPR_NUMERO = '000123';
select * from cambie_id_notadbprov;
select * from notas_credito_proveedor where ncpr_id = 1;
SELECT * FROM NOTAS_CREDITO_PROVEEDOR WHERE PREF_PRE = 'FV' AND NCPR_NUMERO = '000123';
select * from cambie_id_notacrprov;
select * from aplicacion_cliente where apcl_id = 1;
SELECT * FROM APLICACION_CLIENTE WHERE PREF_PRE = 'FV' AND APCL_NUMERO = '000123';
select * from cambie_id_apliclie;
select * from aplicacion_provedor where appr_id = 1;
SELECT * FROM APLICACION_PROVEDOR WHERE PREF_PRE = 'FV' AND APPR_NUMERO = '000123';
select * from cambie_id_apliprov;
select * from anticipos_cliente where ancl_id = 1;
SELECT * FROM ANTICIPOS_CLIENTE WHERE PREF_PRE = 'FV' AND ANCL_NUMERO = '000123';
select * from cambie_id_anticlie;
select * from anticipos_proveedor where anpr_id = 1;
SELECT * FROM ANTICIPOS_PROVEEDOR WHERE PREF_PRE = 'FV' AND ANPR_NUMERO = '000123';
select * from cambie_id_antiprov;
delete from aplicacion_cliente_detalle where apcl_id = 1;
select * from aplicacion_cliente_detalle where apcl_id = 1;
SELECT * FROM APLICACION_CLIENTE_DETALLE WHERE APCL_ID = 1;
DELETE FROM APLICACION_CLIENTE WHERE APCL_ID = 1;
delete from aplicacion_proveedor_detalle where appr_id = 1;
select * from aplicacion_proveedor_detalle where appr_id = 1;
SELECT * FROM APLICACION_PROVEEDOR_DETALLE WHERE APPR_ID = 1;
DELETE FROM APLICACION_PROVEDOR WHERE APPR_ID = 1;
select pref_pre, reca_numero from recibos_caja where reca_id = 1;
select reca_id from recibos_caja where pref_pre = 'FV' and reca_numero = '000123';
select pref_pre, egre_numero from egresos where egre_id = 1;
select egre_id from egresos where pref_pre = 'FV' and egre_numero = '000123';
select fact_id from facturas where pref_pre = 'FV' and fact_numero = '000123';
select devt_id from devoluciones_ventas where pref_pre = 'FV' and devt_numero = '000123';
select ndcl_id from notas_debito_clientes where pref_pre = 'FV' and ndcl_numero = '000123';
select nccl_id from notas_credito_clientes where pref_pre = 'FV' and nccl_numero = '000123';
select ancl_id from anticipos_cliente where pref_pre = 'FV' and ancl_numero = '000123';
select faco_id from facturas_compra where pref_pre = 'FV' and faco_numero = '000123';
select dvco_id from devoluciones_compras where pref_pre = 'FV' and dvco_numero = '000123';
select ndpr_id from notas_debito_proveedor where pref_pre = 'FV' and ndpr_numero = '000123';
select ncpr_id from notas_credito_proveedor where pref_pre = 'FV' and ncpr_numero = '000123';
select anpr_id from anticipos_proveedor where pref_pre = 'FV' and anpr_numero = '000123';
select * from RECIBOS_CAJA where reca_id = 1;
SELECT * FROM RECIBOS_CAJA WHERE PREF_PRE = 'FV';
select * from cambie_id_recicaja;
DELETE FROM RECIBOS_CAJA WHERE RECA_ID = 1;
delete from recibos_caja_detalle where reca_id = 1;
select * from recibos_caja_detalle where reca_id = 1;
SELECT * FROM RECIBOS_CAJA_DETALLE WHERE RECA_ID = 1;
DELETE FROM RECIBOS_CAJA_DETALLE WHERE RECA_ID = 1;
DELETE FROM RECIBOS_CAJA_CRUCEC WHERE RECA_ID = 1;
select * from recibos_caja_crucec where reca_id = 1;
SELECT * FROM RECIBOS_CAJA_CRUCEC WHERE RECA_ID = 1;
delete from recibos_caja_pago where reca_id = 1;
select * from recibos_caja_pago where reca_id = 1;
SELECT * FROM RECIBOS_CAJA_PAGO WHERE RECA_ID = 1;
select * from RECIBO_PROVISIONAL where rcpr_id = 1;
SELECT * FROM RECIBO_PROVISIONAL WHERE PREF_PRE = 'FV';
select * from cambie_id_reciprov;
DELETE FROM RECIBO_PROVISIONAL WHERE RCPR_ID = 1;
delete from recibo_provisional_detalle where rcpr_id = 1;
select * from recibo_provisional_detalle where rcpr_id = 1;
SELECT * FROM RECIBO_PROVISIONAL_DETALLE WHERE RCPR_ID = 1;
DELETE FROM RECIBO_PROVISIONAL_DETALLE WHERE RCPR_ID = 1;
delete from recibo_provisional_pago where rcpr_id = 1;
select * from recibo_provisional_pago where rcpr_id = 1;
SELECT * FROM RECIBO_PROVISIONAL_PAGO WHERE RCPR_ID = 1;
DELETE FROM RECIBO_PROVISIONAL_PAGO WHERE RCPR_ID = 1;
select * from EGRESOS where egre_id = 1;
SELECT * FROM EGRESOS WHERE PREF_PRE = 'FV';
select * from cambie_id_egreso;
DELETE FROM EGRESOS WHERE EGRE_ID = 1;
delete from egresos_detalle where egre_id = 1;
select * from egresos_detalle where egre_id = 1;
SELECT * FROM EGRESOS_DETALLE WHERE EGRE_ID = 1;
DELETE FROM EGRESOS_DETALLE WHERE EGRE_ID = 1;
delete from egresos_crucec where egre_id = 1;
select * from egresos_crucec where egre_id = 1;
SELECT * FROM EGRESOS_CRUCEC WHERE EGRE_ID = 1;
delete from egresos_caja where egre_id = 1;
select * from egresos_caja where egre_id = 1;
SELECT * FROM EGRESOS_CAJA WHERE EGRE_ID = 1;
DELETE FROM EGRESOS_CAJA WHERE EGRE_ID = 1;
delete from egresos_banco where egre_id = 1;
select * from egresos_banco where egre_id = 1;
SELECT * FROM EGRESOS_BANCO WHERE EGRE_ID = 1;
DELETE FROM EGRESOS_BANCO WHERE EGRE_ID = 1;
DELETE FROM EGRESOS_CONTABILIDAD WHERE EGRE_ID = 1;
select * from egresos_contabilidad where egre_id = 1;
SELECT * FROM EGRESOS_CONTABILIDAD WHERE EGRE_ID = 1;
select * from CAMBIO_DOCUMENTOS where cado_id = 1;
SELECT * FROM CAMBIO_DOCUMENTOS WHERE PREF_PRE = 'FV';
select * from cambie_id_cambdocu;
DELETE FROM CAMBIO_DOCUMENTOS WHERE CADO_ID = 1;
delete from CAMBIODOC_ENTRADAS where cado_id = 1;
select * from cambiodoc_entradas where cado_id = 1;
SELECT * FROM CAMBIODOC_ENTRADAS WHERE CADO_ID = 1;
DELETE FROM CAMBIODOC_ENTRADAS WHERE CADO_ID = 1;
delete from cambiodoc_salidas where cado_id = 1;
select * from cambiodoc_salidas where cado_id = 1;
SELECT * FROM CAMBIODOC_SALIDAS WHERE CADO_ID = 1;
DELETE FROM CAMBIODOC_SALIDAS WHERE CADO_ID = 1;
select * from consigna_tarjetas where cotj_id = 1;
SELECT * FROM CONSIGNA_TARJETAS WHERE PREF_PRE = 'FV';
select * from cambie_id_consignatar;
DELETE FROM CONSIGNA_TARJETAS WHERE COTJ_ID = 1;
delete from consigna_tarjetas_det where cotj_id = 1;
select * from consigna_tarjetas_det where cotj_id = 1;
SELECT * FROM consigna_tarjetas_det WHERE COTJ_ID = 1;
DELETE FROM CONSIGNA_TARJETAS_DET WHERE COTJ_ID = 1;
select * from traslados_caja where trcj_id = 1;
SELECT * FROM TRASLADOS_CAJA WHERE PREF_PRE = 'FV';
select * from cambie_id_traslacaja;
DELETE FROM TRASLADOS_CAJA WHERE TRCJ_ID = 1;
delete from traslados_caja_det where trcj_id = 1;
select * from traslados_caja_det where trcj_id = 1;
SELECT * FROM TRASLADOS_CAJA_DET WHERE TRCJ_ID = 1;
DELETE FROM TRASLADOS_CAJA_DET WHERE TRCJ_ID = 1;
SELECT * FROM CHEQUES WHERE CUBA_COD = 12 AND PRBA_PREF = 'CH' AND CHEQ_NUMERO = '000045';
delete from consigna_detalle where cons_id = 1;
select * from consigna_detalle where cons_id = 1;
SELECT * FROM CONSIGNA_DETALLE WHERE CONS_ID = 1;
DELETE FROM CONSIGNA WHERE CONS_ID = 1;
select * from consigna where cons_id = 1;
SELECT * FROM CONSIGNA WHERE CUBA_COD = 12 AND PRBA_PREF = 'CH' AND CONS_NUMERO = '000045';
select * from cambie_id_consigna;
select * from cheques where cheq_id = 1;
select * from cambie_id_cheque;
select * from retiros where reti_id = 1;
SELECT * FROM RETIROS WHERE CUBA_COD = 12 AND PRBA_PREF = 'CH' AND RETI_NUMERO = '000045';
select * from cambie_id_retiro;
select * from NOTAS_DEBITO where ndbc_id = 1;
SELECT * FROM NOTAS_DEBITO WHERE CUBA_COD = 12 AND PRBA_PREF = 'CH' AND NDBC_NUMERO = '000045';
select * from cambie_id_nota_db_banco;
select * from notas_credito where ncbc_id = 1;
SELECT * FROM NOTAS_CREDITO WHERE CUBA_COD = 12 AND PRBA_PREF = 'CH' AND NCBC_NUMERO = '000045';
select * from cambie_id_nota_cr_banco;
select * from traslados where tras_id = 1;
SELECT * FROM TRASLADOS WHERE CUBA_COD = 12 AND PRBA_PREF = 'CH' AND TRAS_NUMERO = '000045';
select * from cambie_id_traslado;
select * from devolucion_cheques where dvch_id = 1;
SELECT * FROM DEVOLUCION_CHEQUES WHERE CUBA_COD = 12 AND PRBA_PREF = 'CH' AND DVCH_NUMDOC = '000045';
select * from cambie_id_dev_cheques;
select * from cuentas where cuen_cod = '01';
SELECT * FROM CUENTAS WHERE CUEN_COD = '01';
select * from articulo where arti_cod = '01';
SELECT * FROM ARTICULO WHERE ARTI_COD = '01';
DELETE from unidad_articulo where arti_cod = '01';
select * from unidad_articulo where arti_cod = '01';
SELECT * from UNIDAD_ARTICULO where arti_cod = '01' AND UNAR_UNIDAD = '01';
DELETE from BARRAS_ARTICULO where arti_cod = '01';
select * from barras_articulo where arti_cod = '01';
SELECT * from BARRAS_ARTICULO where arti_cod = '01' AND COBA_COD = '01';
DELETE from PRECIOS_ARTICULO where arti_cod = '01';
select * from PRECIOS_ARTICULO where arti_cod = '01';
SELECT * from PRECIOS_ARTICULO where arti_cod = '01' AND LIPR_COD = '01';
select * from contabil_articulo where arti_cod = '01';
SELECT * from CONTABIL_ARTICULO where arti_cod = '01';
DELETE from articulos_producto where arti_cod = '01';
select * from articulos_producto where arti_cod = '01';
SELECT * from ARTICULOS_PRODUCTO where arti_cod = '01' AND ARPR_ITEM = 1;
select * from terceros where terc_nit = '01';
SELECT * FROM TERCEROS WHERE TERC_NIT = '01';
select * from clientes where terc_nit = '01';
SELECT * FROM CLIENTES WHERE TERC_NIT = '01';
select * from proveedores where terc_nit = '01';
SELECT * FROM PROVEEDORES WHERE TERC_NIT = '01';
select * from cobradores where cobr_cod = 1;
SELECT * FROM COBRADORES WHERE COBR_COD = 1;
select * from vendedores where vend_cod = 1;
SELECT * FROM VENDEDORES WHERE VEND_COD = 1;
select * from FAMILIA_INVENTARIO where fain_cod = '01';
SELECT * from FAMILIA_INVENTARIO where fain_cod = '01';
delete from GRUPO_INVENTARIO where fain_cod = '01';
select * from GRUPO_INVENTARIO where fain_cod = '01';
SELECT * from GRUPO_INVENTARIO where fain_cod = '01';
delete from SUBGRUPO_INVENTARIO where fain_cod = '01';
select * from SUBGRUPO_INVENTARIO where fain_cod = '01';
SELECT * from SUBGRUPO_INVENTARIO where fain_cod = '01';
delete from marcas where marc_cod = '01';
select * from marcas where marc_cod = '01';
SELECT * from MARCAS where marc_cod = '01';
delete from submarca where marc_cod = '01';
select * from submarca where marc_cod = '01';
SELECT * from SUBMARCA where marc_cod = '01';
select * from GRUPO_INVENTARIO where fain_cod = '01' and grin_cod = '01';
select * from interfaz_bancos where inba_id = 1;
SELECT * FROM INTERFAZ_BANCOS WHERE INBA_ID = 1;
select * from interfaz_bancos_ctas where inba_id = 1;
SELECT * FROM INTERFAZ_BANCOS_CTAS WHERE INBA_ID = 1 AND INBC_ITEM = 1;
select * from interfaz_caja where incj_id = 1;
SELECT * FROM INTERFAZ_CAJA WHERE INCJ_ID = 1;
select * from interfaz_caja_ctas where incj_id = 1;
SELECT * FROM INTERFAZ_CAJA_CTAS WHERE INCJ_ID = 1 AND INJC_ITEM = 1;
select * from interfaz_cartera where inca_id = 1;
SELECT * FROM INTERFAZ_CARTERA WHERE INCA_ID = 1;
select * from interfaz_cartera_ctas where inca_id = 1;
SELECT * FROM INTERFAZ_CARTERA_CTAS WHERE INCA_ID = 1 AND INCD_ITEM = 1;
select * from interfaz_compras where inco_id = 1;
SELECT * FROM INTERFAZ_COMPRAS WHERE INCO_ID = 1;
select * from interfaz_compras_ctas where inco_id = 1;
SELECT * FROM INTERFAZ_COMPRAS_CTAS WHERE INCO_ID = 1 AND INCC_ITEM = 1;
select * from interfaz_cxpagar where incp_id = 1;
SELECT * FROM INTERFAZ_CXPAGAR WHERE INCP_ID = 1;
select * from interfaz_cxpagar_ctas where incp_id = 1;
SELECT * FROM INTERFAZ_CXPAGAR_CTAS WHERE INCP_ID = 1 AND INPC_ITEM = 1;
select * from interfaz_inventario where inin_id = 1;
SELECT * FROM INTERFAZ_INVENTARIO WHERE ININ_ID = 1;
select * from interfaz_inventario_ctas where inin_id = 1;
SELECT * FROM INTERFAZ_INVENTARIO_CTAS WHERE ININ_ID = 1 AND INIC_ITEM = 1;
select * from interfaz_ventas where inve_id = 1;
SELECT * FROM INTERFAZ_VENTAS WHERE INVE_ID = 1;
select * from interfaz_ventas_ctas where inve_id = 1;
SELECT * FROM INTERFAZ_VENTAS_CTAS WHERE INVE_ID = 1 AND INVC_ITEM = 1;
UPDATE ENTRADAS SET ENTR_ANULADO = 'S' WHERE ENTR_ID = 1;
UPDATE SALIDAS SET SALI_ANULADO = 'S' WHERE SALI_ID = 1;
UPDATE TRASFERENCIAS SET TRAN_ANULADO = 'S' WHERE TRAN_ID = 1;
UPDATE AJUSTES SET AJUS_ANULADO = 'S' WHERE AJUS_ID = 1;
UPDATE ENSAMBLES SET ENSA_ANULADO = 'S' WHERE ENSA_ID = 1;
UPDATE DESENSAMBLES SET DESE_ANULADO = 'S' WHERE DESE_ID = 1;
UPDATE RESERVAS SET RESE_ANULADO = 'S' WHERE RESE_ID = 1;
UPDATE ORDENES_INVENTARIO SET ORIN_ANULADO = 'S' WHERE ORIN_ID = 1;
UPDATE REMISION_PROVEEDOR SET REPR_ANULADO = 'S' WHERE REPR_ID = 1;
UPDATE ORDENES_COMPRA SET ORDC_ANULADO = 'S' WHERE ORDC_ID = 1;
UPDATE COTIZACION_PROVEEDOR SET COPR_ANULADO = 'S' WHERE COPR_ID = 1;
UPDATE REMISIONES_VENTA SET REVT_ANULADO = 'S' WHERE REVT_ID = 1;
UPDATE PEDIDOS SET PEDI_ANULADO = 'S' WHERE PEDI_ID = 1;
UPDATE COTIZACIONES SET COTI_ANULADO = 'S' WHERE COTI_ID = 1;
UPDATE FACTURAS_COMPRA SET FACO_ANULADO = 'S' WHERE FACO_ID = 1;
UPDATE DEVOLUCIONES_COMPRAS SET DVCO_ANULADO = 'S' WHERE DVCO_ID = 1;
UPDATE FACTURAS SET FACT_ANULADO = 'S' WHERE FACT_ID = 1;
UPDATE DEVOLUCIONES_VENTAS SET DEVT_ANULADO = 'S' WHERE DEVT_ID = 1;
UPDATE NOTAS_DEBITO_CLIENTES SET NDCL_ANULADO = 'S' WHERE NDCL_ID = 1;
UPDATE NOTAS_CREDITO_CLIENTES SET NCCL_ANULADO = 'S' WHERE NCCL_ID = 1;
UPDATE NOTAS_DEBITO_PROVEEDOR SET NDPR_ANULADO = 'S' WHERE NDPR_ID = 1;
UPDATE NOTAS_CREDITO_PROVEEDOR SET NCPR_ANULADO = 'S' WHERE NCPR_ID = 1;
UPDATE APLICACION_CLIENTE SET APCL_ANULADO = 'S' WHERE APCL_ID = 1;
UPDATE APLICACION_PROVEDOR SET APPR_ANULADO = 'S' WHERE APPR_ID = 1;
UPDATE ANTICIPOS_CLIENTE SET ANCL_ANULADO = 'S' WHERE ANCL_ID = 1;
UPDATE ANTICIPOS_PROVEEDOR SET ANPR_ANULADO = 'S' WHERE ANPR_ID = 1;
SELECT * FROM RECIBOS_CAJA WHERE PREF_PRE = 'FV' AND RECA_NUMERO = '000123';
UPDATE RECIBOS_CAJA SET RECA_ANULADO = 'S' WHERE RECA_ID = 1;
SELECT * FROM RECIBO_PROVISIONAL WHERE PREF_PRE = 'FV' AND RCPR_NUMERO = '000123';
UPDATE RECIBO_PROVISIONAL SET RCPR_ANULADO = 'S' WHERE RCPR_ID = 1;
SELECT * FROM EGRESOS WHERE PREF_PRE = 'FV' AND EGRE_NUMERO = '000123';
UPDATE EGRESOS SET EGRE_ANULADO = 'S' WHERE EGRE_ID = 1;
SELECT * FROM CAMBIO_DOCUMENTOS WHERE PREF_PRE = 'FV' AND CADO_NUMERO = '000123';
UPDATE CAMBIO_DOCUMENTOS SET CADO_ANULADO = 'S' WHERE CADO_ID = 1;
SELECT * FROM CONSIGNA_TARJETAS WHERE PREF_PRE = 'FV' AND COTJ_NUMERO = '000123';
UPDATE CONSIGNA_TARJETAS SET COTJ_ANULADO = 'S' WHERE COTJ_ID = 1;
SELECT * FROM TRASLADOS_CAJA WHERE PREF_PRE = 'FV' AND TRCJ_NUMERO = '000123';
UPDATE TRASLADOS_CAJA SET TRCJ_ANULADO = 'S' WHERE TRCJ_ID = 1;
UPDATE CONSIGNA SET CONS_ANULADO = 'S' WHERE CONS_ID = 1;
UPDATE CHEQUES SET CHEQ_ANULADO = 'S' WHERE CHEQ_ID = 1;
UPDATE RETIROS SET RETI_ANULADO = 'S' WHERE RETI_ID = 1;
UPDATE NOTAS_DEBITO SET NDBC_ANULADO = 'S' WHERE NDBC_ID = 1;
UPDATE NOTAS_CREDITO SET NCBC_ANULADO = 'S' WHERE NCBC_ID = 1;
UPDATE TRASLADOS SET TRAS_ANULADO = 'S' WHERE TRAS_ID = 1;
UPDATE DEVOLUCION_CHEQUES SET DVCH_ANULADO = 'S' WHERE DVCH_ID = 1;
EOF
echo "rollback;" >>"$tmp/statements.sql"
out=$(sql "$C" -i "$tmp/statements.sql")
rc=$?
n=$(grep -c -i -E '^[[:space:]]*(select|update|delete|execute)' "$tmp/statements.sql")
if [ $rc -ne 0 ] || grep -q -e 'Statement failed' -e 'SQLSTATE' <<<"$out"; then
  fail "statements: $(grep -A8 'Statement failed' <<<"$out")"
elif ! grep -q 'FV00001234' <<<"$out"; then
  fail "statements: the audit row was not read back"
else
  ok "$n statements ran"
fi
# spot checks of what some of them return
row() { printf 'set heading off;\n%s;\n' "$1" | sql "$C" | sed '/^[[:space:]]*$/d' | tr -s ' ' | sed 's/^ //; s/ $//'; }
expect() {
  local got
  got=$(row "$1")
  if [ "$got" = "$2" ]; then ok "$1 -> $(echo $got)"; else fail "$1 -> '$got', expected '$2'"; fi
}
expect "select fact_id from facturas where pref_pre = 'FV' AND FACT_NUMERO = '00001234'" "77"
expect "select FADE_ITEM from facturas_detalle where fact_id = 77 order by fade_item" "$(printf '1\n2')"
expect "SELECT CHEQ_ID FROM CHEQUES WHERE CUBA_COD = 12  AND PRBA_PREF = 'CH' AND CHEQ_NUMERO = '000045'" "12"
expect "select CONF_VALOR from CONFIGURACION where CONF_MODULO = 'CONTABILIDAD' and CONF_CATEGORIA = 'GENERAL' and CONF_PROPIEDAD = 'FECHA DE BLOQUEO'" "2024/01/31"
expect "SELECT ARPR_ARTICULO from ARTICULOS_PRODUCTO where arti_cod = 'A''1' AND ARPR_ITEM = 1" "A-100"

echo "== 7. general and support databases"
out=$(printf "set heading off;\nselect usua_nombre from usuario where usua_cod = 'SYSDBA';\nselect COMP_COD, COM_NOMBRE from COMPANIA;\n" | sql "$tmp/general.fdb")
if grep -q -e 'Statement failed' -e 'SQLSTATE' <<<"$out"; then fail "general: $out"; else ok "sign-in and company statements run"; fi
out=$(printf "set heading off;\nSELECT TIDO_COD, TIDO_NOMLARGO FROM TIPO_DOCUMENTO ORDER BY TIDO_COD;\n" | sql "$tmp/soporte.fdb")
if grep -q -e 'Statement failed' -e 'SQLSTATE' <<<"$out"; then fail "support: $out"; fi
codes=$(awk 'NF {print $1}' <<<"$out" | tr '\n' ' ')
want="1 2 11 12 13 14 15 16 17 18 21 22 23 24 25 31 32 33 34 35 41 42 43 45 51 52 53 55 61 62 63 64 65 66 71 72 73 74 75 76 77 99 100 101 102 103 104 105 106 111 112 113 114 115 116 117 124 125 126 127 128 150 201 202 203 204 205 "
if [ "$codes" = "$want" ]; then ok "document types: $codes"; else fail "document types: $codes"; fi

echo "== 8. a user other than the owner"
# the embedded engine takes the user name as given and applies the grants
out=$(isql-fb -q -user OPERADOR -password x "$C" 2>&1 <<'EOF'
set heading off;
select 'ID', ENTR_ID from cambie_id_entrada;
insert into ENTRADAS (ENTR_ID, PREF_PRE, ENTR_NUMERO, ENTR_FECHA) values (1000, 'EN', '000999', '2024/04/20');
update ENTRADAS set ENTR_ANULADO = 'S' where ENTR_ID = 1000;
delete from ENTRADAS where ENTR_ID = 1000;
execute procedure ACUMULA_PUNTOS_CLIENTE(31,77,NULL,NULL);
select 'AUD', count(*) from AUDITORIA;
EOF
)
if grep -q -e 'Statement failed' -e 'SQLSTATE' <<<"$out"; then fail "user OPERADOR, company: $out"; else ok "user OPERADOR reads a view, writes a document and runs the procedure"; fi
out=$(printf "select count(*) from TIPO_DOCUMENTO;\n" | isql-fb -q -user OPERADOR -password x "$tmp/soporte.fdb" 2>&1)
if grep -q -e 'Statement failed' -e 'SQLSTATE' <<<"$out"; then fail "user OPERADOR, support: $out"; else ok "user OPERADOR reads the document types"; fi
out=$(printf "select usua_nombre from usuario where usua_cod = 'OPERADOR';\nselect count(*) from COMPANIA;\n" | isql-fb -q -user OPERADOR -password x "$tmp/general.fdb" 2>&1)
if grep -q -e 'Statement failed' -e 'SQLSTATE' <<<"$out"; then fail "user OPERADOR, general: $out"; else ok "user OPERADOR runs the sign-in statement"; fi

echo
if [ $failures -eq 0 ]; then echo "ALL CHECKS PASSED"; else echo "$failures CHECK(S) FAILED"; fi
exit $((failures > 0))
