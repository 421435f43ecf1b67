-- Customer points.
--
-- Sales earn points for the customer: one point for every VALOR POR PUNTO
-- of the invoice's total (configuration row VENTAS / PUNTOS / VALOR POR
-- PUNTO, 1000 when absent); a sales return takes back the points of its
-- total.  Every invoice or return leaves one movement, so that sending or
-- saving a document again replaces its points instead of adding them twice.

-- Points balance of each customer.
CREATE TABLE PUNTOS_CLIENTE (
  TERC_NIT        VARCHAR(20)    NOT NULL,   -- customer (CLIENTES)
  PUCL_SALDO      NUMERIC(15,2)  DEFAULT 0 NOT NULL,  -- points available
  PUCL_ACUMULADO  NUMERIC(15,2)  DEFAULT 0 NOT NULL,  -- points ever earned
  PUCL_REDIMIDO   NUMERIC(15,2)  DEFAULT 0 NOT NULL,  -- points ever redeemed
  PUCL_FECULT     DATE,                      -- date of the last movement
  CONSTRAINT PK_PUNTOS_CLIENTE PRIMARY KEY (TERC_NIT)
);

-- One movement per document that earned or took back points.
CREATE TABLE PUNTOS_CLIENTE_MOV (
  TIDO_COD     INTEGER        NOT NULL,   -- 31 sales invoice, 33 sales return
  PCMO_IDDOC   INTEGER        NOT NULL,   -- identifier of the document
  TERC_NIT     VARCHAR(20)    NOT NULL,   -- customer
  PCMO_FECHA   DATE,                      -- date of the document
  PCMO_BASE    NUMERIC(15,2)  DEFAULT 0,  -- value the points were computed on
  PCMO_PUNTOS  NUMERIC(15,2)  DEFAULT 0,  -- points (negative for a return)
  PCMO_FECREG  TIMESTAMP      DEFAULT CURRENT_TIMESTAMP,
  CONSTRAINT PK_PUNTOS_CLIENTE_MOV PRIMARY KEY (TIDO_COD, PCMO_IDDOC)
);

CREATE INDEX IX_PUNTOS_CLIENTE_MOV_TERC ON PUNTOS_CLIENTE_MOV (TERC_NIT);

CREATE EXCEPTION E_PUNTOS_TIPO_DOC 'El tipo de documento no acumula puntos de cliente';

SET TERM ^ ;

-- ACUMULA_PUNTOS_CLIENTE(type, identifier, value per point, customer)
--   type        31 sales invoice (FACTURAS), 33 sales return
--               (DEVOLUCIONES_VENTAS); any other type raises E_PUNTOS_TIPO_DOC
--   identifier  FACT_ID or DEVT_ID of the document
--   value per point  NULL: the configured one
--   customer    NULL: the document's own customer (TERC_NIT)
-- Recomputes the document's points: the movement it left before, if any, is
-- undone first.  A document that does not exist, or is voided, leaves no
-- points; a customer marked CLIE_ACUMULA_PUNTOS = 'N' earns none.
CREATE PROCEDURE ACUMULA_PUNTOS_CLIENTE (
  P_TIPO_DOC     INTEGER,
  P_ID_DOC       INTEGER,
  P_VALOR_PUNTO  NUMERIC(15,2),
  P_TERC_NIT     VARCHAR(20)
)
AS
  DECLARE VARIABLE V_NIT       VARCHAR(20);
  DECLARE VARIABLE V_FECHA     DATE;
  DECLARE VARIABLE V_TOTAL     NUMERIC(15,2);
  DECLARE VARIABLE V_ANULADO   CHAR(1);
  DECLARE VARIABLE V_VALOR     NUMERIC(15,2);
  DECLARE VARIABLE V_PUNTOS    NUMERIC(15,2);
  DECLARE VARIABLE V_ACUMULA   CHAR(1);
  DECLARE VARIABLE V_ANT_NIT   VARCHAR(20);
  DECLARE VARIABLE V_ANT_PTS   NUMERIC(15,2);
BEGIN
  IF (P_TIPO_DOC IS NULL OR P_TIPO_DOC NOT IN (31, 33)) THEN
    EXCEPTION E_PUNTOS_TIPO_DOC 'El tipo de documento ' || COALESCE(P_TIPO_DOC, 'NULL') || ' no acumula puntos de cliente';

  -- undo what the document earned before
  V_ANT_NIT = NULL;
  SELECT TERC_NIT, PCMO_PUNTOS FROM PUNTOS_CLIENTE_MOV
   WHERE TIDO_COD = :P_TIPO_DOC AND PCMO_IDDOC = :P_ID_DOC
    INTO :V_ANT_NIT, :V_ANT_PTS;
  IF (V_ANT_NIT IS NOT NULL) THEN
  BEGIN
    UPDATE PUNTOS_CLIENTE
       SET PUCL_SALDO = PUCL_SALDO - :V_ANT_PTS,
           PUCL_ACUMULADO = PUCL_ACUMULADO - IIF(:V_ANT_PTS > 0, :V_ANT_PTS, 0)
     WHERE TERC_NIT = :V_ANT_NIT;
    DELETE FROM PUNTOS_CLIENTE_MOV
     WHERE TIDO_COD = :P_TIPO_DOC AND PCMO_IDDOC = :P_ID_DOC;
  END

  -- the document as it is now
  V_NIT = NULL;
  IF (P_TIPO_DOC = 31) THEN
    SELECT TERC_NIT, FACT_FECHA, FACT_TOTAL, FACT_ANULADO FROM FACTURAS
     WHERE FACT_ID = :P_ID_DOC
      INTO :V_NIT, :V_FECHA, :V_TOTAL, :V_ANULADO;
  ELSE
    SELECT TERC_NIT, DEVT_FECHA, DEVT_TOTAL, DEVT_ANULADO FROM DEVOLUCIONES_VENTAS
     WHERE DEVT_ID = :P_ID_DOC
      INTO :V_NIT, :V_FECHA, :V_TOTAL, :V_ANULADO;
  IF (P_TERC_NIT IS NOT NULL) THEN
    V_NIT = P_TERC_NIT;
  IF (V_NIT IS NULL OR V_ANULADO = 'S') THEN
    EXIT;

  V_ACUMULA = NULL;
  SELECT CLIE_ACUMULA_PUNTOS FROM CLIENTES WHERE TERC_NIT = :V_NIT INTO :V_ACUMULA;
  IF (V_ACUMULA = 'N') THEN
    EXIT;

  V_VALOR = P_VALOR_PUNTO;
  IF (V_VALOR IS NULL) THEN
    SELECT CAST(CONF_VALOR AS NUMERIC(15,2)) FROM CONFIGURACION
     WHERE CONF_MODULO = 'VENTAS' AND CONF_CATEGORIA = 'PUNTOS'
       AND CONF_PROPIEDAD = 'VALOR POR PUNTO'
      INTO :V_VALOR;
  IF (V_VALOR IS NULL OR V_VALOR <= 0) THEN
    V_VALOR = 1000;

  V_PUNTOS = FLOOR(COALESCE(V_TOTAL, 0) / V_VALOR);
  IF (P_TIPO_DOC = 33) THEN
    V_PUNTOS = -V_PUNTOS;

  INSERT INTO PUNTOS_CLIENTE_MOV (TIDO_COD, PCMO_IDDOC, TERC_NIT, PCMO_FECHA, PCMO_BASE, PCMO_PUNTOS)
  VALUES (:P_TIPO_DOC, :P_ID_DOC, :V_NIT, :V_FECHA, COALESCE(:V_TOTAL, 0), :V_PUNTOS);

  UPDATE PUNTOS_CLIENTE
     SET PUCL_SALDO = PUCL_SALDO + :V_PUNTOS,
         PUCL_ACUMULADO = PUCL_ACUMULADO + IIF(:V_PUNTOS > 0, :V_PUNTOS, 0),
         PUCL_FECULT = :V_FECHA
   WHERE TERC_NIT = :V_NIT;
  IF (ROW_COUNT = 0) THEN
    INSERT INTO PUNTOS_CLIENTE (TERC_NIT, PUCL_SALDO, PUCL_ACUMULADO, PUCL_FECULT)
    VALUES (:V_NIT, :V_PUNTOS, IIF(:V_PUNTOS > 0, :V_PUNTOS, 0), :V_FECHA);
END^

SET TERM ; ^
