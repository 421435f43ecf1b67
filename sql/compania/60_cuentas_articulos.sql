-- Chart of accounts, articles and the tables that hang from an article.
-- Master rows are identified by their code, the same in every company.

-- Chart of accounts.
CREATE TABLE CUENTAS (
  CUEN_COD             VARCHAR(20) NOT NULL,          -- 0  account code
  CUEN_NOMBRE          VARCHAR(100) NOT NULL,         -- 1  name
  CUEN_NIVEL           SMALLINT DEFAULT 1,            -- 2  1 class ... 5 auxiliary
  CUEN_NATURALEZA      CHAR(1) DEFAULT 'D' NOT NULL,  -- 3  D debit, C credit
  CUEN_AUXILIAR        CHAR(1) DEFAULT 'N',           -- 4  S when entries may be posted to it
  CUEN_TERCERO         CHAR(1) DEFAULT 'N',           -- 5  S when entries carry a third party
  CUEN_CCOSTO          CHAR(1) DEFAULT 'N',           -- 6  S when entries carry a cost centre
  CUEN_BASE            CHAR(1) DEFAULT 'N',           -- 7  S when entries carry a taxable base
  CUEN_PORC_RETENCION  NUMERIC(7,4) DEFAULT 0,        -- 8  withholding rate of the account
  CUEN_NIIF            VARCHAR(20),                   -- 9  equivalent IFRS account
  CUEN_ACTIVA          CHAR(1) DEFAULT 'S',           -- 10 N when closed
  CUEN_FECCREA         DATE DEFAULT CURRENT_DATE,     -- 11 creation date
  CONSTRAINT PK_CUENTAS PRIMARY KEY (CUEN_COD)
);

-- Articles (inventory items and services).
CREATE TABLE ARTICULO (
  ARTI_COD             VARCHAR(20) NOT NULL,       -- 0  article code
  ARTI_NOMBRE          VARCHAR(80) NOT NULL,       -- 1  name
  ARTI_REFERENCIA      VARCHAR(30),                -- 2  maker's reference
  FAIN_COD             VARCHAR(5),                 -- 3  inventory family
  GRIN_COD             VARCHAR(5),                 -- 4  group within the family
  SGIN_COD             VARCHAR(5),                 -- 5  subgroup within the group
  MARC_COD             VARCHAR(5),                 -- 6  brand
  SUBM_COD             VARCHAR(5),                 -- 7  sub-brand
  UNAR_UNIDAD          VARCHAR(10) DEFAULT 'UND',  -- 8  base unit
  ARTI_PORC_IVA        NUMERIC(5,2) DEFAULT 0,     -- 9  VAT %
  ARTI_COSTO           NUMERIC(15,4) DEFAULT 0,    -- 10 average cost
  ARTI_ULTIMO_COSTO    NUMERIC(15,4) DEFAULT 0,    -- 11 last purchase cost
  ARTI_PRECIO          NUMERIC(15,2) DEFAULT 0,    -- 12 base sale price
  ARTI_STOCK_MIN       NUMERIC(15,4) DEFAULT 0,    -- 13 minimum stock
  ARTI_STOCK_MAX       NUMERIC(15,4) DEFAULT 0,    -- 14 maximum stock
  ARTI_PESO            NUMERIC(15,4) DEFAULT 0,    -- 15 weight in kg
  ARTI_INVENTARIABLE   CHAR(1) DEFAULT 'S',        -- 16 N for services
  ARTI_COMPUESTO       CHAR(1) DEFAULT 'N',        -- 17 S when it has item lines (ARTICULOS_PRODUCTO)
  ARTI_ACUMULA_PUNTOS  CHAR(1) DEFAULT 'S',        -- 18 S when its sales earn customer points
  ARTI_ACTIVO          CHAR(1) DEFAULT 'S',        -- 19 N when discontinued
  ARTI_FECCREA         DATE DEFAULT CURRENT_DATE,  -- 20 creation date
  ARTI_DESCRIPCION     VARCHAR(250),               -- 21 long description
  CONSTRAINT PK_ARTICULO PRIMARY KEY (ARTI_COD)
);

CREATE INDEX IX_ARTICULO_NOMBRE ON ARTICULO (ARTI_NOMBRE);
CREATE INDEX IX_ARTICULO_GRUPO ON ARTICULO (FAIN_COD, GRIN_COD, SGIN_COD);

-- Units in which an article is bought and sold.
CREATE TABLE UNIDAD_ARTICULO (
  ARTI_COD     VARCHAR(20) NOT NULL,     -- 0  article
  UNAR_UNIDAD  VARCHAR(10) NOT NULL,     -- 1  unit
  UNAR_NOMBRE  VARCHAR(40),              -- 2  name of the unit
  UNAR_FACTOR  NUMERIC(15,4) DEFAULT 1,  -- 3  base units per unit
  UNAR_PRECIO  NUMERIC(15,2) DEFAULT 0,  -- 4  sale price of the unit
  UNAR_VENTA   CHAR(1) DEFAULT 'S',      -- 5  S when it may be sold in this unit
  CONSTRAINT PK_UNIDAD_ARTICULO PRIMARY KEY (ARTI_COD, UNAR_UNIDAD)
);

-- Bar codes of an article.
CREATE TABLE BARRAS_ARTICULO (
  ARTI_COD        VARCHAR(20) NOT NULL,     -- 0  article
  COBA_COD        VARCHAR(30) NOT NULL,     -- 1  bar code
  UNAR_UNIDAD     VARCHAR(10),              -- 2  unit the code stands for
  COBA_CANTIDAD   NUMERIC(15,4) DEFAULT 1,  -- 3  quantity read with one scan
  COBA_PRINCIPAL  CHAR(1) DEFAULT 'N',      -- 4  S for the code printed on labels
  CONSTRAINT PK_BARRAS_ARTICULO PRIMARY KEY (ARTI_COD, COBA_COD)
);

CREATE INDEX IX_BARRAS_ARTICULO_CODIGO ON BARRAS_ARTICULO (COBA_COD);

-- Prices of an article per price list (the list first).
CREATE TABLE PRECIOS_ARTICULO (
  LIPR_COD          VARCHAR(5) NOT NULL,        -- 0  price list (LISTAS_PRECIOS)
  ARTI_COD          VARCHAR(20) NOT NULL,       -- 1  article
  PRAR_PRECIO       NUMERIC(15,2) DEFAULT 0,    -- 2  price
  PRAR_PORC_DESC    NUMERIC(5,2) DEFAULT 0,     -- 3  discount % allowed
  PRAR_INCLUYE_IVA  CHAR(1) DEFAULT 'N',        -- 4  S when the price includes VAT
  PRAR_FECHA        DATE DEFAULT CURRENT_DATE,  -- 5  date of the last change
  CONSTRAINT PK_PRECIOS_ARTICULO PRIMARY KEY (ARTI_COD, LIPR_COD)
);

-- Accounting settings of an article (one row per article).
CREATE TABLE CONTABIL_ARTICULO (
  ARTI_COD          VARCHAR(20) NOT NULL,  -- 0  article
  CUEN_INVENTARIO   VARCHAR(20),           -- 1  inventory account
  CUEN_COSTO        VARCHAR(20),           -- 2  cost of sales
  CUEN_INGRESO      VARCHAR(20),           -- 3  sales income
  CUEN_DEVOLUCION   VARCHAR(20),           -- 4  sales returns
  CUEN_IVA_VENTAS   VARCHAR(20),           -- 5  VAT charged
  CUEN_IVA_COMPRAS  VARCHAR(20),           -- 6  VAT paid
  CUEN_GASTO        VARCHAR(20),           -- 7  expense (services bought)
  CECO_COD          VARCHAR(10),           -- 8  cost centre
  CONSTRAINT PK_CONTABIL_ARTICULO PRIMARY KEY (ARTI_COD)
);

-- Item lines of a composed article (kits, assemblies).
CREATE TABLE ARTICULOS_PRODUCTO (
  ARTI_COD       VARCHAR(20) NOT NULL,     -- 0  article (the composed one)
  ARPR_ITEM      INTEGER NOT NULL,         -- 1  item line number
  ARPR_ARTICULO  VARCHAR(20) NOT NULL,     -- 2  component article
  UNAR_UNIDAD    VARCHAR(10),              -- 3  unit of the component
  ARPR_CANTIDAD  NUMERIC(15,4) DEFAULT 1,  -- 4  quantity of the component
  ARPR_COSTO     NUMERIC(15,4) DEFAULT 0,  -- 5  cost of the component
  CONSTRAINT PK_ARTICULOS_PRODUCTO PRIMARY KEY (ARTI_COD, ARPR_ITEM)
);
