-- Company database (datos/<company>/norvane.fdb), base objects: the audit
-- trail, the configuration and the replication stamps.
--
-- The same script builds the destination company databases and the empty
-- transfer database (sop/envio.fdb); the transfer database holds no rows.

-- Audit trail: one row per change made by the suite to a document or a
-- catalogue row.  The column order is fixed: rows are copied by position
-- into the transfer database.
CREATE TABLE AUDITORIA (
  AUDI_ID       INTEGER       NOT NULL,               -- 0  identifier of the audit row
  AUDI_USUARIO  VARCHAR(10),                          -- 1  user who made the change
  AUDI_FECHA    DATE          DEFAULT CURRENT_DATE NOT NULL, -- 2  date of the change
  AUDI_HORA     TIME          DEFAULT CURRENT_TIME,   -- 3  time of the change
  TIDO_COD      INTEGER       NOT NULL,               -- 4  document type (TIPO_DOCUMENTO)
  AUDI_IDDOC    INTEGER,                              -- 5  identifier of the document
  AUDI_OPER     CHAR(1),                              -- 6  D deleted, A voided, other: created/changed
  AUDI_COD      VARCHAR(20),                          -- 7  prefix + number, or key of a master row
  AUDI_ENVIO    CHAR(1)       DEFAULT 'N' NOT NULL,   -- 8  N not sent yet, S sent
  AUDI_TICO     CHAR(3),                              -- 9  voucher type, or bank account of a bank document
  AUDI_RAZON    VARCHAR(255),                         -- 10 reason given for the change
  CONSTRAINT PK_AUDITORIA PRIMARY KEY (AUDI_ID)
);

CREATE INDEX IX_AUDITORIA_ENVIO ON AUDITORIA (AUDI_ENVIO, AUDI_FECHA, AUDI_HORA);
CREATE INDEX IX_AUDITORIA_FECHA ON AUDITORIA (AUDI_FECHA, AUDI_HORA);
CREATE INDEX IX_AUDITORIA_DOC   ON AUDITORIA (TIDO_COD, AUDI_IDDOC);

CREATE GENERATOR GEN_AUDITORIA_ID;

SET TERM ^ ;
CREATE TRIGGER AUDITORIA_BI FOR AUDITORIA
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  -- rows written by the suite get their number here; rows copied from
  -- another company keep the number they bring
  IF (NEW.AUDI_ID IS NULL) THEN
    NEW.AUDI_ID = GEN_ID(GEN_AUDITORIA_ID, 1);
END^
SET TERM ; ^

-- Configuration of the modules, one value per property.  The accounting lock
-- date is the row CONTABILIDAD / GENERAL / FECHA DE BLOQUEO, its value
-- written yyyy/mm/dd (vouchers dated before it are not received).
CREATE TABLE CONFIGURACION (
  CONF_MODULO       VARCHAR(30)   NOT NULL,
  CONF_CATEGORIA    VARCHAR(30)   NOT NULL,
  CONF_PROPIEDAD    VARCHAR(60)   NOT NULL,
  CONF_VALOR        VARCHAR(255),
  CONF_DESCRIPCION  VARCHAR(120),
  CONF_USUARIO      VARCHAR(10),
  CONF_FECHA        DATE,
  CONSTRAINT PK_CONFIGURACION PRIMARY KEY (CONF_MODULO, CONF_CATEGORIA, CONF_PROPIEDAD)
);

-- Replication stamps: when each document was last sent to each company.
CREATE TABLE REPLICA_EVENTOS (
  RPEV_COMPANIA   VARCHAR(3)   NOT NULL,   -- destination company (COMP_COD)
  RPEV_TIPO       INTEGER      NOT NULL,   -- document type (TIDO_COD)
  RPEV_IDDOC      INTEGER      NOT NULL,   -- identifier of the document here
  RPEV_FECREP     DATE,                    -- date of the last replication
  RPEV_HORAREP    TIME,                    -- time of the last replication
  RPEV_FECREG     DATE         DEFAULT CURRENT_DATE,  -- date the stamp row was registered
  RPEV_USUARIO    VARCHAR(10),
  CONSTRAINT PK_REPLICA_EVENTOS PRIMARY KEY (RPEV_COMPANIA, RPEV_TIPO, RPEV_IDDOC)
);
